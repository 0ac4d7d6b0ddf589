// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/FileChangeWatcher.h"

#include "defaults/DefaultsLog.h"
#include "platform/MainQueue.h"

#include <QFileInfo>

namespace Defaults {

FileChangeWatcher::FileChangeWatcher(const QString& path, platform::MainQueue& queue,
                                     std::function<void()> onChange)
    : path_(path)
    , queue_(queue)
    , onChange_(std::move(onChange))
    , seen_(PreferencesFile::stampOf(path)) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!watcher_.addPath(folder))
        qCWarning(defaultsLog).noquote()
            << QStringLiteral("Gapsel preferences: changes other programs make to %1 will not "
                              "be noticed: its folder cannot be watched")
                   .arg(path);
    rewatch();
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &watcher_, [this] { noticed(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &watcher_,
                     [this] { noticed(); });
}

void FileChangeWatcher::rewatch() {
    // A watch follows the file it was put on, not the name: a file renamed
    // over ours (as every save does) needs a watch of its own.
    const PreferencesFile::Stamp now = PreferencesFile::stampOf(path_);
    // (Qt ends the watch when the file goes; a new file may reuse the inode.)
    if (now.exists && now.device == watched_.device && now.inode == watched_.inode &&
        watcher_.files().contains(path_))
        return;
    watcher_.removePath(path_);
    if (now.exists && watcher_.addPath(path_))
        watched_ = now;
}

void FileChangeWatcher::noticed() {
    rewatch();
    const PreferencesFile::Stamp now = PreferencesFile::stampOf(path_);
    if (now == seen_)
        return;
    seen_ = now;
    queue_.async(onChange_);
}

} // namespace Defaults
