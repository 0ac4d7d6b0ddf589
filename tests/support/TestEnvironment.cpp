// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>

#include <atomic>

namespace testing_support {

QString testHome() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/gapsel-test-XXXXXX"));
    return dir.path();
}

void isolateUserFolders() {
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        const QString path = testHome() + QLatin1Char('/') + QString::fromLatin1(name).toLower();
        QDir().mkpath(path);
        qputenv(name, path.toUtf8());
    }
    qputenv("HOME", testHome().toUtf8());
}

QString freshFolder(const QString& purpose) {
    static std::atomic<int> counter{0};
    const QString path =
        QStringLiteral("%1/%2-%3").arg(testHome(), purpose).arg(counter.fetch_add(1));
    QDir().mkpath(path);
    return path;
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
