// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

#include <functional>
#include <memory>

class QFileSystemWatcher;

namespace platform {
class MainQueue;
}

// Notices, through file-system notification (no polling), when other
// processes change or replace a file, and says so on the main queue. Create
// and use it on the main thread, which runs a Qt event loop.
class FileChangeWatcher {
public:
    FileChangeWatcher(const QString& path, platform::MainQueue& queue,
                      std::function<void()> onChange);
    ~FileChangeWatcher();
    FileChangeWatcher(const FileChangeWatcher&) = delete;
    FileChangeWatcher& operator=(const FileChangeWatcher&) = delete;

    // Watches the file itself again once it exists: a file renamed over it is
    // a new file that the watch on the old one does not cover.
    void rewatch();

private:
    const QString path_;
    std::unique_ptr<QFileSystemWatcher> watcher_;
};
