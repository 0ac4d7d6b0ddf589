// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/FileChangeWatcher.h"

#include "defaults/DefaultsLog.h"
#include "platform/MainQueue.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace {
// What the folder tells about its entries: the file replaced (every atomic
// save renames a new file over it), made, removed or edited in place; and
// about itself going away.
constexpr std::uint32_t folderEvents = IN_ATTRIB | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVE |
                                       IN_CREATE | IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF |
                                       IN_ONLYDIR;
// What the file itself tells, through a symbolic link too: edits in place
// (also to a link's target, which may lie in another folder).
constexpr std::uint32_t fileEvents =
    IN_ATTRIB | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVE_SELF | IN_DELETE_SELF;
} // namespace

FileChangeWatcher::FileChangeWatcher(const QString& path, platform::MainQueue& queue,
                                     std::function<void()> onChange)
    : path_(QFile::encodeName(path))
    , folder_(QFile::encodeName(QFileInfo(path).absolutePath()))
    , name_(QFile::encodeName(QFileInfo(path).fileName()))
    , descriptor_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (descriptor_ < 0) {
        qCWarning(defaultsLog).noquote()
            << QStringLiteral("Gapsel preferences: changes other programs make to %1 will not "
                              "be noticed: %2")
                   .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    rewatch();
    notifier_ = std::make_unique<QSocketNotifier>(descriptor_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this, &queue, onChange = std::move(onChange)] {
                         if (readEvents())
                             queue.async(onChange);
                     });
}

FileChangeWatcher::~FileChangeWatcher() {
    notifier_.reset();
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

void FileChangeWatcher::rewatch() {
    if (descriptor_ < 0)
        return;
    // Adding a watch again for the same file or folder renews the one there is.
    folderWatch_ = inotify_add_watch(descriptor_, folder_.constData(), folderEvents);
    inotify_add_watch(descriptor_, path_.constData(), fileEvents);
}

// Reads every waiting event; true when one of them concerns the file.
bool FileChangeWatcher::readEvents() const {
    alignas(inotify_event) char buffer[4096];
    bool concerned = false;
    for (;;) {
        const ssize_t length = ::read(descriptor_, buffer, sizeof buffer);
        if (length <= 0)
            return concerned;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            // The folder names the entry an event is about; events about the
            // file itself, or about the folder itself, name none.
            const bool aboutFile = event->wd != folderWatch_ || event->len == 0 ||
                                   std::strcmp(event->name, name_.constData()) == 0;
            concerned = concerned || aboutFile;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}
