// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/PreferencesFile.h"

#include "defaults/DefaultsLog.h"
#include "defaults/PropertyList.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// Reads what an open descriptor holds, up to the end.
bool readAll(int fd, QByteArray& bytes) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        bytes.append(buffer, got);
    }
}

void syncFolder(const QString& folder) {
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

QString passwordDatabaseHome() {
    const passwd* entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? QFile::decodeName(entry->pw_dir) : QString();
}

// Why what is there is not a file to read (a folder, a pipe, a device), or
// none.
QString notAFile(const struct stat& info) {
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("it is a folder, not a file");
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("it is not a regular file (a pipe, socket or device)");
    return QString();
}

QString largerThanReadable() {
    return QStringLiteral("it is larger than %1 MB")
        .arg(PreferencesFile::maximumSize / (1024 * 1024));
}

// A file too large to be read back is never written.
bool fitsReadLimit(const QByteArray& contents, QString* error) {
    if (contents.size() <= PreferencesFile::maximumSize)
        return true;
    *error = QStringLiteral("the file would grow to %1 MB, and Gapsel reads at most %2 MB")
                 .arg((contents.size() + 1024 * 1024 - 1) / (1024 * 1024))
                 .arg(PreferencesFile::maximumSize / (1024 * 1024));
    return false;
}

// What Changes asks of the folder: its entries made, removed, renamed or
// edited, and the folder itself going away.
constexpr std::uint32_t folderEvents = IN_ATTRIB | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVE |
                                       IN_CREATE | IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF |
                                       IN_ONLYDIR;
// And of the file (a link's target, when it is a link): edited, moved or removed.
constexpr std::uint32_t fileEvents =
    IN_ATTRIB | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVE_SELF | IN_DELETE_SELF;

} // namespace

PreferencesFile::Lock::Lock(int fd)
    : fd_(fd) {
    while (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
}

PreferencesFile::Lock::~Lock() {
    if (fd_ >= 0)
        ::flock(fd_, LOCK_UN);
}

PreferencesFile::Changes::Changes(const QString& path)
    : path_(encoded(path))
    , folder_(encoded(QFileInfo(path).absolutePath()))
    , name_(encoded(QFileInfo(path).fileName()))
    , fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ < 0)
        problem_ = systemError();
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

QString PreferencesFile::configFolder() {
    // Relative values are not meant for us (the XDG rule) and are ignored.
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(configured))
        return QDir::cleanPath(configured);
    QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home))
        home = passwordDatabaseHome();
    home = QDir::cleanPath(home);
    if (!QDir::isAbsolutePath(home) || home == QLatin1String("/"))
        return QString();
    return home + QStringLiteral("/.config");
}

PreferencesFile::PreferencesFile(QString path)
    : path_(std::move(path)) {
    if (path_.isEmpty())
        return;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    lockFd_ = ::open(encoded(path_ + QStringLiteral(".lock")).constData(),
                     O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ < 0)
        qCWarning(defaultsLog).noquote()
            << QStringLiteral("Gapsel preferences: cannot open the lock file of %1: %2")
                   .arg(path_, systemError());
}

PreferencesFile::~PreferencesFile() {
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

PreferencesFile::Stamp PreferencesFile::stamp() const {
    struct stat info {};
    if (path_.isEmpty() || ::stat(encoded(path_).constData(), &info) != 0)
        return {};
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::uint64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
            true};
}

PreferencesFile::Contents PreferencesFile::read() const {
    return contentsOf(path_);
}

PreferencesFile::Contents PreferencesFile::contentsOf(const QString& path) {
    using Kind = Contents::Kind;
    if (path.isEmpty())
        return {};
    // Non-blocking, so that a FIFO put in the file's place cannot stall us
    // before it is refused.
    const int fd = ::open(encoded(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return {};
        return {Kind::Unreadable, {}, systemError()};
    }
    struct stat info {};
    Contents contents{Kind::Parsed, {}, {}};
    QByteArray bytes;
    if (::fstat(fd, &info) != 0)
        contents = {Kind::Unreadable, {}, systemError()};
    else if (const QString refusal = notAFile(info); !refusal.isEmpty())
        contents = {Kind::Refused, {}, refusal};
    else if (info.st_size > maximumSize)
        contents = {Kind::TooLarge, {}, largerThanReadable()};
    else if (!readAll(fd, bytes))
        contents = {Kind::Unreadable, {}, systemError()};
    ::close(fd);
    if (contents.kind != Kind::Parsed)
        return contents;
    // It may have grown since it was measured.
    if (bytes.size() > maximumSize)
        return {Kind::TooLarge, {}, largerThanReadable()};
    if (bytes.isEmpty())
        return {Kind::Empty, {}, {}};
    if (auto values = PropertyList::parse(bytes, &contents.problem))
        return {Kind::Parsed, std::move(*values), {}};
    return {Kind::Unparsable, {}, contents.problem};
}

// The file a symbolic link at our path names, so that the link stays a link;
// but a link to a device or a pipe is replaced, never written through.
QString PreferencesFile::writeTarget() const {
    QString target = path_;
    for (int depth = 0; depth < 40; ++depth) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return info.exists() && !info.isFile() ? path_ : target;
        target = info.symLinkTarget();
    }
    return target;
}

bool PreferencesFile::write(const QVariantMap& contents, QString* error) const {
    if (path_.isEmpty()) {
        *error = QStringLiteral("there is no home folder to keep them in");
        return false;
    }
    const QString target = writeTarget();
    const QByteArray xml = PropertyList::toXml(contents);
    if (!fitsReadLimit(xml, error))
        return false;
    const QByteArray temporary = encoded(QStringLiteral("%1.tmp-%2").arg(target).arg(::getpid()));
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = systemError();
        return false;
    }
    const bool written = writeAll(fd, xml) && ::fsync(fd) == 0;
    const QString writeError = written ? QString() : systemError();
    ::close(fd);
    if (!written || ::rename(temporary.constData(), encoded(target).constData()) != 0) {
        *error = written ? systemError() : writeError;
        ::unlink(temporary.constData());
        return false;
    }
    syncFolder(QFileInfo(target).absolutePath());
    return true;
}

QString PreferencesFile::keepAside() const {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = QStringLiteral("%1.corrupt-%2").arg(path_, stamp);
    for (int n = 2; QFile::exists(aside); ++n)
        aside = QStringLiteral("%1.corrupt-%2-%3").arg(path_, stamp).arg(n);
    return QFile::rename(path_, aside) ? aside : QString();
}

void PreferencesFile::removeAbandonedTemporaries() const {
    if (path_.isEmpty())
        return;
    // Matched by prefix: a name filter is a regular expression, which would
    // cost every start the pattern engine's memory.
    for (const QFileInfo& file : {QFileInfo(path_), QFileInfo(writeTarget())}) {
        const QString prefix = file.fileName() + QStringLiteral(".tmp-");
        for (const QString& name : file.absoluteDir().entryList(QDir::Files | QDir::Hidden))
            if (name.startsWith(prefix))
                QFile::remove(file.absoluteDir().filePath(name));
    }
}
