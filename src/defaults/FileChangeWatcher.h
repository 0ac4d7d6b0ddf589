// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace platform {
class MainQueue;
}

// Notices, through file-system notification (no polling), when other
// processes change or replace a file, and says so on the main queue. Create
// and use it on the main thread, which runs a Qt event loop.
//
// It asks inotify itself rather than through QFileSystemWatcher, whose engine
// would be most of what a start pages in for it, and it wakes only for the
// file: not for the lock and temporary files saving leaves in the folder.
class FileChangeWatcher {
public:
    FileChangeWatcher(const QString& path, platform::MainQueue& queue,
                      std::function<void()> onChange);
    ~FileChangeWatcher();
    FileChangeWatcher(const FileChangeWatcher&) = delete;
    FileChangeWatcher& operator=(const FileChangeWatcher&) = delete;

    // Watches the file itself again once it exists: a file renamed over it is
    // a new file that the watch on the old one does not cover. The folder
    // watch is renewed too, should the folder have been made since.
    void rewatch();

private:
    bool readEvents() const;

    const QByteArray path_;
    const QByteArray folder_;
    const QByteArray name_;
    int descriptor_ = -1;
    int folderWatch_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};
