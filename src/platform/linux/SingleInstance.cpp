// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/SingleInstance.h"

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

} // namespace

SingleInstance::SingleInstance(const QString& identifier)
    : socketPath_(runtimeFolder() + QLatin1Char('/') + identifier + QLatin1String(".socket"))
    , lock_(runtimeFolder() + QLatin1Char('/') + identifier + QLatin1String(".lock")) {
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
        qInfo("Waiting for the running instance to quit");
        if (lock_.tryLock(patienceMs)) {
            listen();
            return Claim::Granted;
        }
    }
    tellRunningInstance();
    return Claim::AnotherIsRunning;
}

void SingleInstance::listen() {
    // We hold the lock, so a socket file left here belongs to an instance that
    // ended without cleaning up.
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketPath_))
        qWarning("Later starts cannot reach this instance: %s", qPrintable(server_.errorString()));
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
