// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// Gapsel as a whole process in a tray: for 1 and for 50 separators, the time
// from starting the program until every separator's item has registered with
// the tray's watcher, the resident memory once it has settled, and how often
// it wakes up while nobody touches it.
//
// `gapsel_tray_bench [--runs N] [--idle-seconds S]`: each count is started N
// times (default 5, after one start that is not counted) for the start-up
// time (median and best are reported);
// memory and wake-ups come from the last run. Needs Xvfb and dbus-daemon
// (scripts/setup installs them); the watcher is this program's own, so a
// panel's speed is not part of the figures.

#include "ProcessSample.h"
#include "TimingWatcher.h"
#include "defaults/PropertyList.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QUuid>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int settleMs = 5000;

void waitMs(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

// A preferences file with `count` em-dash separators, past the first launch.
void writePreferences(const QString& configHome, int count) {
    QVariantList separators;
    for (int i = 0; i < count; ++i)
        separators.append(QStringLiteral(R"({"id":"%1","character":"—"})")
                              .arg(QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper()));
    QDir().mkpath(configHome);
    QFile file(configHome + QStringLiteral("/" GAPSEL_BUNDLE_ID ".plist"));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(PropertyList::toXml({{QStringLiteral("separators"), separators},
                                    {QStringLiteral("JX_launchCount"), qint64{5}}}));
}

QString firstLineOf(QProcess& process) {
    return process.waitForReadyRead(20000) ? QString::fromUtf8(process.readLine()).trimmed()
                                           : QString();
}

struct Figures {
    QList<qint64> startMs;
    qint64 residentKiB = 0;
    qint64 idleWakeUps = 0;
};

class Bench {
public:
    Bench(int runs, int idleSeconds)
        : runs_(runs)
        , idleSeconds_(idleSeconds) {}

    bool startDesktop() {
        display_.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        const QString display = firstLineOf(display_);
        bus_.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--print-address=1")});
        const QString address = firstLineOf(bus_);
        if (display.isEmpty() || address.isEmpty())
            return false;
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + display);
        environment_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment_.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
        environment_.insert(QStringLiteral("HOME"), home_.path());
        environment_.insert(QStringLiteral("XDG_CONFIG_HOME"),
                            home_.path() + QStringLiteral("/config"));
        environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.path());
        watcher_ = std::make_unique<TimingWatcher>(address, clock_);
        return true;
    }

    ~Bench() {
        watcher_.reset();
        for (QProcess* process : {&bus_, &display_}) {
            process->terminate();
            process->waitForFinished();
        }
    }

    Figures measure(int count) {
        Figures figures;
        // Run 0 only warms the caches (the program's pages, the X server's
        // first client) and is not counted.
        for (int run = 0; run <= runs_; ++run) {
            writePreferences(environment_.value(QStringLiteral("XDG_CONFIG_HOME")), count);
            watcher_->forget();
            QProcess gapsel;
            gapsel.setProcessEnvironment(environment_);
            gapsel.setStandardOutputFile(QProcess::nullDevice());
            clock_.start();
            gapsel.start(QStringLiteral(GAPSEL_EXECUTABLE), {});
            if (!waitUntil([&] { return watcher_->items().size() >= count; }, 20000)) {
                std::fprintf(stderr, "%d separators: the items never all registered\n", count);
                return figures;
            }
            if (run > 0)
                figures.startMs.append(watcher_->lastRegistrationMs());
            if (run == runs_)
                sampleIdle(gapsel.processId(), figures);
            gapsel.terminate();
            gapsel.waitForFinished();
        }
        return figures;
    }

private:
    void sampleIdle(qint64 pid, Figures& figures) {
        waitMs(settleMs);
        const ProcessSample settled = ProcessSample::of(pid);
        waitMs(idleSeconds_ * 1000);
        const ProcessSample idle = ProcessSample::of(pid);
        figures.residentKiB = settled.residentKiB;
        figures.idleWakeUps = idle.wakeUps - settled.wakeUps;
    }

    int runs_;
    int idleSeconds_;
    QTemporaryDir home_;
    QProcess display_;
    QProcess bus_;
    QProcessEnvironment environment_;
    QElapsedTimer clock_;
    std::unique_ptr<TimingWatcher> watcher_;
};

int optionValue(const QStringList& arguments, const QString& name, int fallback) {
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1).toInt() : fallback;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int runs = std::max(1, optionValue(arguments, QStringLiteral("--runs"), 5));
    const int idleSeconds = optionValue(arguments, QStringLiteral("--idle-seconds"), 30);
    Bench bench(runs, idleSeconds);
    if (!bench.startDesktop()) {
        std::fprintf(stderr, "Xvfb or dbus-daemon did not start (scripts/setup installs them)\n");
        return 1;
    }
    QTextStream out(stdout);
    out << "separators  start→registered median/best (ms)  resident after settling (MB)  "
        << "wake-ups in " << idleSeconds << " s idle\n";
    for (int count : {1, 50}) {
        Figures figures = bench.measure(count);
        if (figures.startMs.isEmpty())
            return 1;
        std::sort(figures.startMs.begin(), figures.startMs.end());
        out << qSetFieldWidth(10) << count << qSetFieldWidth(0) << "  "
            << figures.startMs.at(figures.startMs.size() / 2) << " / " << figures.startMs.front()
            << "                          " << QString::number(figures.residentKiB / 1024.0, 'f', 1)
            << "                          " << figures.idleWakeUps << '\n';
        out.flush();
    }
    return 0;
}
