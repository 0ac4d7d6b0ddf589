// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/PreferencesFile.h"

#include "defaults/DefaultsLog.h"
#include "defaults/PropertyList.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Defaults {

namespace {

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
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

// A file's rename is kept through a crash only once its folder is synced,
// which QSaveFile leaves to its user.
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

PreferencesFile::Stamp PreferencesFile::stampOf(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::stat(encoded(path).constData(), &info) != 0)
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
    if (auto values = parsePropertyList(bytes, &contents.problem))
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
    const QByteArray xml = propertyListXml(contents);
    if (!fitsReadLimit(xml, error))
        return false;
    // QSaveFile follows a link to whatever it names: a link to a device or a
    // pipe goes first, so that the new file takes the link's place and
    // nothing is ever written over the device itself.
    if (target == path_ && QFileInfo(path_).isSymLink() && !QFile::remove(path_)) {
        *error = QStringLiteral("cannot replace the link %1").arg(path_);
        return false;
    }
    const bool isNew = !QFileInfo::exists(target);
    // QSaveFile writes a temporary file beside the target, syncs it and
    // renames it over the target; it keeps an existing file's permissions.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (isNew)
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    file.write(xml);
    if (!file.commit()) {
        *error = file.errorString();
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
    // QSaveFile's temporary files are named after the target and six more
    // letters or digits. Matched by hand: a name filter is a regular
    // expression, which would cost every start the pattern engine's memory.
    const auto isTemporaryOf = [](const QString& name, const QString& target) {
        constexpr int suffix = 7; // ".XXXXXX"
        if (name.size() != target.size() + suffix || !name.startsWith(target + u'.'))
            return false;
        return std::all_of(name.end() - (suffix - 1), name.end(), [](QChar c) {
            return c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'z');
        });
    };
    for (const QFileInfo& file : {QFileInfo(path_), QFileInfo(writeTarget())}) {
        for (const QString& name : file.absoluteDir().entryList(QDir::Files | QDir::Hidden))
            if (isTemporaryOf(name, file.fileName()))
                QFile::remove(file.absoluteDir().filePath(name));
    }
}

} // namespace Defaults
