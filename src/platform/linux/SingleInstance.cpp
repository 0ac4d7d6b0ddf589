// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/SingleInstance.h"

#include "platform/linux/PlatformLog.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

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

} // namespace

SingleInstance::SingleInstance(const QString& identifier, const QString& preferencesFile)
    : socketPath_(runtimeFolder() + QLatin1Char('/') + identifier + QLatin1String(".socket"))
    , lock_(lockPath(identifier, preferencesFile)) {
    // A running instance keeps its lock for as long as it runs; only a lock
    // whose process is gone is stale.
    lock_.setStaleLockTime(0);
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            socket->disconnectFromServer();
            socket->deleteLater();
            if (startedAgain_)
                startedAgain_();
        }
    });
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
    // We hold the lock, so a socket file left here belongs to an instance that
    // ended without cleaning up.
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketPath_))
        qCWarning(platformLog, "Later starts cannot reach this instance: %s",
                  qPrintable(server_.errorString()));
}

void SingleInstance::tellRunningInstance() const {
    // The running instance may have taken the lock a moment ago and not be
    // listening yet: try again for a short while.
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(500)) {
            socket.write("started-again\n");
            socket.waitForBytesWritten(500);
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(50);
    }
}

} // namespace platform::xdg
