// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/SingleInstance.h"

#include "platform/linux/PlatformLog.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace platform::xdg {

namespace {

const QByteArray greeting = QByteArrayLiteral("started-again");
// A message longer than this is no later start of ours.
constexpr qsizetype maximumMessage = 4096;
// Later starts come one at a time; more unfinished connections than this are
// not ours, and the oldest of them are dropped.
constexpr qsizetype maximumUnfinished = 8;

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

// Beside the lock, where every start over the same preferences looks, unless
// the path is too long for a socket address; then in the runtime folder,
// under a name that only starts over the same preferences file share.
QStringList socketPaths(const QString& identifier, const QString& lock) {
    QStringList paths;
    const QString beside = lock + QLatin1String(".socket");
    if (addressOf(beside))
        paths << beside;
    const QByteArray key =
        QCryptographicHash::hash(QFile::encodeName(lock), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    paths << QStringLiteral("%1/%2-%3.socket")
                 .arg(runtimeFolder(), identifier, QString::fromLatin1(key));
    return paths;
}

// A listening socket bound to `path`, readable by this user only; -1 when
// that fails (the reason is in errno).
int listenOn(const QString& path) {
    const std::optional<sockaddr_un> address = addressOf(path);
    if (!address) {
        errno = ENAMETOOLONG;
        return -1;
    }
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    // We hold the lock, so a socket file left here belongs to an instance that
    // ended without cleaning up.
    QFile::remove(path);
    if (listener >= 0 &&
        ::bind(listener, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) == 0 &&
        ::chmod(QFile::encodeName(path).constData(), S_IRUSR | S_IWUSR) == 0 &&
        ::listen(listener, SOMAXCONN) == 0)
        return listener;
    const int reason = errno;
    if (listener >= 0)
        ::close(listener);
    errno = reason;
    return -1;
}

// Connects to `path` and hands `message` over; false when nobody listens.
bool sendTo(const QString& path, const QByteArray& message) {
    const std::optional<sockaddr_un> address = addressOf(path);
    if (!address)
        return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool told =
        socket >= 0 &&
        ::connect(socket, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) == 0 &&
        ::send(socket, message.constData(), std::size_t(message.size()), MSG_NOSIGNAL) ==
            ssize_t(message.size());
    if (socket >= 0)
        ::close(socket);
    return told;
}

QString lastError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Why no lock file can be made at `lock`, which QLockFile does not say: found
// by doing what it does beside it (make a file, write it) and syncing too, as
// a full disk may only tell then.
QString whyNoLockFile(const QString& lock) {
    const QByteArray probe = QFile::encodeName(lock + QStringLiteral(".probe-%1").arg(::getpid()));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return lastError();
    const bool written = ::write(fd, "0\n", 2) == 2 && ::fsync(fd) == 0;
    const QString reason = written ? QStringLiteral("the system gave no reason") : lastError();
    ::close(fd);
    ::unlink(probe.constData());
    return reason;
}

// One connection of a later start, read as its bytes arrive. It is done once
// its line is complete, the peer hangs up or says too much, or its patience
// has run out; then it closes and goes away at the loop's next turn.
class Connection : public QObject {
public:
    using LineReceived = std::function<void(const QByteArray& line)>;

    Connection(int fd, int patienceMs, QObject* parent, LineReceived received)
        : QObject(parent)
        , fd_(fd)
        , notifier_(fd, QSocketNotifier::Read)
        , received_(std::move(received)) {
        QObject::connect(&notifier_, &QSocketNotifier::activated, this, [this] { read(); });
        QTimer::singleShot(patienceMs, this, [this] { finish(); });
    }
    ~Connection() override { close(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isFinished() const { return fd_ < 0; }

    // Takes what has arrived, without waiting for more.
    void read() {
        char buffer[512];
        while (!isFinished()) {
            const ssize_t got = ::recv(fd_, buffer, sizeof(buffer), MSG_DONTWAIT);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                return;
            if (got <= 0)
                return finish();
            line_.append(buffer, got);
            if (const qsizetype end = line_.indexOf('\n'); end >= 0) {
                finish();
                return received_(line_.left(end));
            }
            if (line_.size() > maximumMessage)
                return finish();
        }
    }

    void finish() {
        if (isFinished())
            return;
        close();
        deleteLater();
    }

private:
    void close() {
        if (isFinished())
            return;
        notifier_.setEnabled(false);
        ::close(fd_);
        fd_ = -1;
    }

    int fd_;
    QSocketNotifier notifier_;
    QByteArray line_;
    LineReceived received_;
};

} // namespace

SingleInstance::SingleInstance(const QString& identifier, const QString& preferencesFile,
                               int peerPatienceMs)
    : socketPaths_(socketPaths(identifier, lockPath(identifier, preferencesFile)))
    , lockPath_(lockPath(identifier, preferencesFile))
    , lock_(lockPath_)
    , peerPatienceMs_(peerPatienceMs) {
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

// Only a lock that another process holds means that another instance runs;
// any other failure to take it is a problem of its folder or disk.
SingleInstance::Claim SingleInstance::claim(bool isNewInstance, const QStringList& requests,
                                            int patienceMs) {
    if (lock_.tryLock(0))
        return granted();
    if (lock_.error() != QLockFile::LockFailedError)
        return failed();
    if (isNewInstance) {
        qCInfo(platformLog, "Waiting for the running instance to quit");
        if (lock_.tryLock(patienceMs))
            return granted();
        if (lock_.error() != QLockFile::LockFailedError)
            return failed();
    }
    tellRunningInstance(requests);
    return Claim::AnotherIsRunning;
}

SingleInstance::Claim SingleInstance::granted() {
    listen();
    return Claim::Granted;
}

SingleInstance::Claim SingleInstance::failed() {
    problem_ =
        QStringLiteral("cannot make the lock file %1: %2").arg(lockPath_, whyNoLockFile(lockPath_));
    return Claim::Failed;
}

qint64 SingleInstance::runningProcessId() const {
    qint64 pid = 0;
    QString host, application;
    return lock_.getLockInfo(&pid, &host, &application) ? pid : 0;
}

void SingleInstance::listen() {
    for (const QString& path : socketPaths_) {
        listener_ = listenOn(path);
        if (listener_ >= 0) {
            socketPath_ = path;
            listening_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
            QObject::connect(listening_.get(), &QSocketNotifier::activated, listening_.get(),
                             [this] { acceptStarts(); });
            return;
        }
        qCInfo(platformLog, "Cannot listen on %s: %s", qPrintable(path), qPrintable(lastError()));
    }
    qCWarning(platformLog, "Later starts cannot reach this instance");
}

// Each connection is one later start. Its line is usually there already;
// otherwise it is read as it comes, while the loop goes on.
void SingleInstance::acceptStarts() {
    QList<Connection*> waiting;
    for (QObject* child : unfinished_.children()) {
        if (auto* connection = static_cast<Connection*>(child); !connection->isFinished())
            waiting << connection;
    }
    for (int start; (start = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        while (waiting.size() >= maximumUnfinished)
            waiting.takeFirst()->finish();
        auto* connection = new Connection(start, peerPatienceMs_, &unfinished_,
                                          [this](const QByteArray& line) { receive(line); });
        connection->read();
        if (!connection->isFinished())
            waiting << connection;
    }
}

// One line: the greeting, then the requests, separated by spaces.
void SingleInstance::receive(const QByteArray& line) {
    const QList<QByteArray> words = line.trimmed().split(' ');
    if (words.value(0) != greeting || !startedAgain_)
        return;
    QStringList requests;
    for (const QByteArray& word : words.mid(1))
        requests << QString::fromUtf8(word);
    startedAgain_(requests);
}

void SingleInstance::tellRunningInstance(const QStringList& requests) const {
    QByteArray message = greeting;
    for (const QString& request : requests)
        message += ' ' + request.toUtf8();
    message += '\n';
    // The running instance may have taken the lock a moment ago and not be
    // listening yet: try again for a short while.
    const QDeadlineTimer deadline(1000);
    while (!deadline.hasExpired()) {
        for (const QString& path : socketPaths_)
            if (sendTo(path, message))
                return;
        QThread::msleep(50);
    }
    qCWarning(platformLog, "The running instance could not be told that Gapsel was started again");
}

} // namespace platform::xdg
