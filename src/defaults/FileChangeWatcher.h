// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/PreferencesFile.h"

#include <QFileSystemWatcher>
#include <QString>

#include <functional>

namespace platform {
class MainQueue;
}

namespace Defaults {

// Notices when other processes change or replace a preferences file, and
// says so on the main queue. Create and use it on the main thread, which runs
// a Qt event loop: the file system's notices are read when the loop finds
// them waiting.
//
// The folder is watched, which tells of the file being replaced (as every
// save does), and the file itself, which tells of edits in place (also to the
// target of a link in another folder). A notice counts only when the file's
// stamp moved, so that the lock file and a save's temporary file beside it
// wake nobody.
class FileChangeWatcher {
public:
    FileChangeWatcher(const QString& path, platform::MainQueue& queue,
                      std::function<void()> onChange);

    // Watches the file itself again once it exists: a file renamed over it is
    // a new file that the watch on the old one does not cover.
    void rewatch();

private:
    void noticed();

    const QString path_;
    platform::MainQueue& queue_;
    const std::function<void()> onChange_;
    PreferencesFile::Stamp seen_;    // of the last change told
    PreferencesFile::Stamp watched_; // of the file the watch is on
    QFileSystemWatcher watcher_;
};

} // namespace Defaults
