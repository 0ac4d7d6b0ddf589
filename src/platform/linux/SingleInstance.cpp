// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/SingleInstance.h"

#include "platform/linux/PlatformLog.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <sys/un.h>

namespace platform::xdg {

namespace {

const QByteArray greeting = QByteArrayLiteral("started-again");
// A message longer than this is no later start of ours.
constexpr qint64 maximumMessage = 4096;

QString runtimeFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

QString lockPath(const QString& identifier, const QString& preferencesFile) {
    if (preferencesFile.isEmpty())
        return runtimeFolder() + QLatin1Char('/') + identifier + QLatin1String(".lock");
    return preferencesFile + QLatin1String(".instance");
}

// Beside the lock, where every start over the same preferences looks, unless
// the path is too long for a socket address; then in the runtime folder,
// under a name that only starts over the same preferences file share.
QStringList socketPaths(const QString& identifier, const QString& lock) {
    QStringList paths;
    const QString beside = lock + QLatin1String(".socket");
    if (QFile::encodeName(beside).size() < qsizetype(sizeof(sockaddr_un::sun_path)))
        paths << beside;
    const QByteArray key =
        QCryptographicHash::hash(QFile::encodeName(lock), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    paths << QStringLiteral("%1/%2-%3.socket")
                 .arg(runtimeFolder(), identifier, QString::fromLatin1(key));
    return paths;
}

} // namespace

SingleInstance::SingleInstance(const QString& identifier, const QString& preferencesFile)
    : socketPaths_(socketPaths(identifier, lockPath(identifier, preferencesFile)))
    , lock_(lockPath(identifier, preferencesFile)) {
    // A running instance keeps its lock for as long as it runs; only a lock
    // whose process is gone is stale.
    lock_.setStaleLockTime(0);
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket,
                             [this, socket] { receive(*socket); });
        }
    });
}

SingleInstance::Claim SingleInstance::claim(bool isNewInstance, const QStringList& requests,
                                            int patienceMs) {
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
    tellRunningInstance(requests);
    return Claim::AnotherIsRunning;
}

qint64 SingleInstance::runningProcessId() const {
    qint64 pid = 0;
    QString host, application;
    return lock_.getLockInfo(&pid, &host, &application) ? pid : 0;
}

void SingleInstance::listen() {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    for (const QString& path : socketPaths_) {
        // We hold the lock, so a socket file left here belongs to an instance
        // that ended without cleaning up.
        QLocalServer::removeServer(path);
        if (server_.listen(path))
            return;
        qCInfo(platformLog, "Cannot listen on %s: %s", qPrintable(path),
               qPrintable(server_.errorString()));
    }
    qCWarning(platformLog, "Later starts cannot reach this instance");
}

// One line: the greeting, then the requests, separated by spaces.
void SingleInstance::receive(QLocalSocket& socket) {
    if (!socket.canReadLine()) {
        if (socket.bytesAvailable() > maximumMessage)
            socket.abort();
        return;
    }
    const QList<QByteArray> words = socket.readLine(maximumMessage).trimmed().split(' ');
    socket.disconnectFromServer();
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
        for (const QString& path : socketPaths_) {
            QLocalSocket socket;
            socket.connectToServer(path);
            if (socket.waitForConnected(200)) {
                socket.write(message);
                socket.waitForBytesWritten(500);
                socket.disconnectFromServer();
                return;
            }
        }
        QThread::msleep(50);
    }
    qCWarning(platformLog, "The running instance could not be told that Gapsel was started again");
}

} // namespace platform::xdg
