// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/PreferencesFile.h"

#include <QFile>
#include <QFileInfo>

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace {
// The folder's entries made, removed, renamed or edited, and the folder
// itself going away.
constexpr std::uint32_t folderEvents = IN_ATTRIB | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVE |
                                       IN_CREATE | IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF |
                                       IN_ONLYDIR;
// The file (a link's target, when it is a link) edited, moved or removed.
constexpr std::uint32_t fileEvents =
    IN_ATTRIB | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVE_SELF | IN_DELETE_SELF;
} // namespace

PreferencesFile::Changes::Changes(const QString& path)
    : path_(QFile::encodeName(path))
    , folder_(QFile::encodeName(QFileInfo(path).absolutePath()))
    , name_(QFile::encodeName(QFileInfo(path).fileName()))
    , fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ < 0)
        problem_ = QString::fromLocal8Bit(std::strerror(errno));
    rewatch();
}

PreferencesFile::Changes::~Changes() {
    if (fd_ >= 0)
        ::close(fd_);
}

void PreferencesFile::Changes::rewatch() {
    if (fd_ < 0)
        return;
    // Adding a watch again for the same file or folder renews the one there is.
    folderWatch_ = inotify_add_watch(fd_, folder_.constData(), folderEvents);
    inotify_add_watch(fd_, path_.constData(), fileEvents);
}

bool PreferencesFile::Changes::take() {
    alignas(inotify_event) char buffer[4096];
    bool concerned = false;
    for (;;) {
        const ssize_t length = fd_ < 0 ? -1 : ::read(fd_, buffer, sizeof buffer);
        if (length <= 0)
            return concerned;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            // The folder's events name the entry; the file's, and the
            // folder's about itself, name none.
            concerned = concerned || event->wd != folderWatch_ || event->len == 0 ||
                        std::strcmp(event->name, name_.constData()) == 0;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}
