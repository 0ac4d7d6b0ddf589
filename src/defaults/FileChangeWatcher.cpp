// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/FileChangeWatcher.h"

#include "platform/MainQueue.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>

FileChangeWatcher::FileChangeWatcher(const QString& path, platform::MainQueue& queue,
                                     std::function<void()> onChange)
    : path_(path)
    , watcher_(std::make_unique<QFileSystemWatcher>()) {
    // The folder tells about the file being replaced (every atomic save renames
    // a new file over it); the file itself about edits made in place.
    watcher_->addPath(QFileInfo(path_).absolutePath());
    rewatch();
    auto changed = [&queue, onChange = std::move(onChange)] { queue.async(onChange); };
    QObject::connect(watcher_.get(), &QFileSystemWatcher::directoryChanged, watcher_.get(),
                     changed);
    QObject::connect(watcher_.get(), &QFileSystemWatcher::fileChanged, watcher_.get(), changed);
}

FileChangeWatcher::~FileChangeWatcher() = default;

void FileChangeWatcher::rewatch() {
    if (QFile::exists(path_) && !watcher_->files().contains(path_))
        watcher_->addPath(path_);
}
