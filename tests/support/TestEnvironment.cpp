#include "support/TestEnvironment.h"

#include <QDir>
#include <QTemporaryDir>

#include <atomic>

namespace testing_support {

namespace {
QTemporaryDir& homeDir() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/gapsel-test-XXXXXX"));
    return dir;
}
} // namespace

QString testHome() { return homeDir().path(); }

QString freshFolder(const QString& purpose) {
    static std::atomic<int> counter{0};
    const QString path =
        QStringLiteral("%1/%2-%3").arg(testHome(), purpose).arg(counter.fetch_add(1));
    QDir().mkpath(path);
    return path;
}

} // namespace testing_support

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace testing_support {

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
