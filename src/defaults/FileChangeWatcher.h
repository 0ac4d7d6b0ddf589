// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/PreferencesFile.h"

#include <QString>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace platform {
class MainQueue;
}

// Notices when other processes change or replace a preferences file, and
// says so on the main queue. Create and use it on the main thread, which runs
// a Qt event loop: the file's change notices are read when the loop finds
// them waiting.
class FileChangeWatcher {
public:
    FileChangeWatcher(const QString& path, platform::MainQueue& queue,
                      std::function<void()> onChange);
    ~FileChangeWatcher();
    FileChangeWatcher(const FileChangeWatcher&) = delete;
    FileChangeWatcher& operator=(const FileChangeWatcher&) = delete;

    // Watches the file itself again once it exists: a file renamed over it is
    // a new file that the watch on the old one does not cover.
    void rewatch() { changes_.rewatch(); }

private:
    PreferencesFile::Changes changes_;
    // Declared after changes_, so that it goes before the descriptor it watches.
    std::unique_ptr<QSocketNotifier> notifier_;
};
