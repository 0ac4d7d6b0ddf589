// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/SingleInstance.h"

#include "platform/linux/PlatformLog.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace platform::xdg {

namespace {

QString runtimeFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

QString lockPath(const QString& identifier, const QString& preferencesFile) {
    if (preferencesFile.isEmpty())
        return runtimeFolder() + QLatin1Char('/') + identifier + QLatin1String(".lock");
    return preferencesFile + QLatin1String(".instance");
}

// The socket's address; none when the path does not fit in one.
std::optional<sockaddr_un> addressOf(const QString& path) {
    const QByteArray encoded = QFile::encodeName(path);
    sockaddr_un address{};
    if (encoded.size() >= qsizetype(sizeof(address.sun_path)))
        return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, encoded.constData(), std::size_t(encoded.size()));
    return address;
}

int unixSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

QString lastError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

SingleInstance::SingleInstance(const QString& identifier, const QString& preferencesFile)
    : socketPath_(runtimeFolder() + QLatin1Char('/') + identifier + QLatin1String(".socket"))
    , lock_(lockPath(identifier, preferencesFile)) {
    // A running instance keeps its lock for as long as it runs; only a lock
    // whose process is gone is stale.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (listener_ < 0)
        return;
    listening_.reset();
    ::close(listener_);
    QFile::remove(socketPath_);
}

SingleInstance::Claim SingleInstance::claim(bool isNewInstance, int patienceMs) {
    if (lock_.tryLock(0)) {
        listen();
        return Claim::Granted;
    }
    if (isNewInstance) {
        qCInfo(platformLog, "Waiting for the running instance to quit");
        if (lock_.tryLock(patienceMs)) {
            listen();
            return Claim::Granted;
        }
    }
    tellRunningInstance();
    return Claim::AnotherIsRunning;
}

qint64 SingleInstance::runningProcessId() const {
    qint64 pid = 0;
    QString host, application;
    return lock_.getLockInfo(&pid, &host, &application) ? pid : 0;
}

void SingleInstance::listen() {
    const std::optional<sockaddr_un> address = addressOf(socketPath_);
    const int listener = address ? unixSocket() : -1;
    // We hold the lock, so a socket file left here belongs to an instance that
    // ended without cleaning up.
    QFile::remove(socketPath_);
    if (listener < 0 ||
        ::bind(listener, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0 ||
        ::chmod(QFile::encodeName(socketPath_).constData(), S_IRUSR | S_IWUSR) != 0 ||
        ::listen(listener, SOMAXCONN) != 0) {
        qCWarning(platformLog, "Later starts cannot reach this instance: %s: %s",
                  qPrintable(socketPath_),
                  address ? qPrintable(lastError()) : "the path is too long");
        if (listener >= 0)
            ::close(listener);
        return;
    }
    listener_ = listener;
    listening_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
    QObject::connect(listening_.get(), &QSocketNotifier::activated, listening_.get(),
                     [this] { acceptStarts(); });
}

// Each connection is one later start; what it says does not matter.
void SingleInstance::acceptStarts() {
    for (int start; (start = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        ::close(start);
        if (startedAgain_)
            startedAgain_();
    }
}

void SingleInstance::tellRunningInstance() const {
    const std::optional<sockaddr_un> address = addressOf(socketPath_);
    if (!address)
        return;
    // The running instance may have taken the lock a moment ago and not be
    // listening yet: try again for a short while.
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const bool told =
            socket >= 0 &&
            ::connect(socket, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) == 0;
        if (socket >= 0)
            ::close(socket);
        if (told)
            return;
        QThread::msleep(50);
    }
}

} // namespace platform::xdg
