// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <atomic>

namespace testing_support {

debug::InMemoryLog& log() {
    static debug::InMemoryLog processLog;
    return processLog;
}

QString freshFolder(const QString& purpose) {
    static std::atomic<int> counter{0};
    const QString path =
        QStringLiteral("%1/%2-%3").arg(QDir::homePath(), purpose).arg(counter.fetch_add(1));
    QDir().mkpath(path);
    return path;
}

bool writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() &&
           file.commit();
}

bool processEventsUntil(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

} // namespace testing_support
