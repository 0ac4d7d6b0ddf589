// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// Gapsel as a whole process in a tray, side by side with the anchor (the
// plainest QSystemTrayIcon program with as many items and menus): for 1, 50
// and 100 separators, the time from starting the program until every item has
// registered with the tray's watcher and its memory once it has settled
// (resident, proportional, unique and private dirty: see ProcessSample), with
// Gapsel's figures divided by the anchor's; and how often Gapsel wakes up
// while nobody touches it. Private dirty memory is the figure to compare: the
// others count Qt's pages as the program's own or not depending on what else
// runs.
//
// `gapsel_tray_bench [--runs N] [--idle-seconds S] [--gapsel PATH]
// [--items C,…]`: PATH is another build of Gapsel to measure (this build's by
// default), or a wrapper that starts it under a profiler; C,… the counts of
// items (default 1,50,100). Each count is started N times per program
// (default 9, after one start of each that is not counted), the two programs
// taking turns so that a busy machine weighs on both alike; medians are
// reported. Wake-ups come from Gapsel's last run at the last count.
// Needs Xvfb and dbus-daemon (scripts/setup installs them); the watcher is
// this program's own, so a panel's speed is not part of the figures.

#include "ProcessSample.h"
#include "TimingWatcher.h"
#include "defaults/PropertyList.h"

#include <QCoreApplication>
#include <QDateTime>
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
#include <optional>

namespace {

constexpr int settleMs = 2000;
// The display server and the bus tear down a program that ended after it is
// gone; the next program would pay for that in its start.
constexpr int teardownMs = 500;
// Generous: a start under a profiler takes a hundred times as long.
constexpr int registrationTimeoutMs = 180000;

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

// A preferences file with `count` em-dash separators, past the first launch:
// a later launch finds its first launch's date and only counts itself.
void writePreferences(const QString& configHome, int count) {
    QVariantList separators;
    for (int i = 0; i < count; ++i)
        separators.append(QStringLiteral(R"({"id":"%1","character":"—"})")
                              .arg(QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper()));
    QDir().mkpath(configHome);
    QFile file(configHome + QStringLiteral("/" GAPSEL_BUNDLE_ID ".plist"));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(Defaults::propertyListXml(
        {{QStringLiteral("separators"), separators},
         {QStringLiteral("JX_launchCount"), qint64{5}},
         {QStringLiteral("JX_firstLaunchDate"), QDateTime::currentDateTimeUtc().addDays(-30)}}));
}

QString firstLineOf(QProcess& process) {
    return process.waitForReadyRead(20000) ? QString::fromUtf8(process.readLine()).trimmed()
                                           : QString();
}

double median(QList<qint64> values) {
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle)
                             : (values.at(middle - 1) + values.at(middle)) / 2.0;
}

// One program's figures at one count, a value per counted run.
struct Figures {
    QList<qint64> startMs;
    QList<ProcessSample> memory;
    qint64 openFiles = 0;

    // The median of one memory figure, in MB.
    double medianMB(qint64 ProcessSample::*figure) const {
        QList<qint64> values;
        for (const ProcessSample& sample : memory)
            values.append(sample.*figure);
        return median(values) / 1024.0;
    }
};

struct Program {
    QString executable;
    QStringList arguments;
};

class Bench {
public:
    Bench(int runs, int idleSeconds, QString gapsel)
        : runs_(runs)
        , idleSeconds_(idleSeconds)
        , gapsel_(std::move(gapsel)) {}

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

    // Gapsel's figures and the anchor's, the two taking turns. Run 0 only
    // warms the caches (the programs' pages, the X server's first client)
    // and is not counted.
    std::optional<std::pair<Figures, Figures>> measure(int count) {
        const Program gapsel{gapsel_, {}};
        const Program anchor{QStringLiteral(ANCHOR_EXECUTABLE), {QString::number(count)}};
        Figures gapselFigures;
        Figures anchorFigures;
        for (int run = 0; run <= runs_; ++run) {
            writePreferences(environment_.value(QStringLiteral("XDG_CONFIG_HOME")), count);
            const bool last = run == runs_;
            if (!runOnce(gapsel, count, run > 0 ? &gapselFigures : nullptr, last) ||
                !runOnce(anchor, count, run > 0 ? &anchorFigures : nullptr, false))
                return std::nullopt;
        }
        return std::pair{gapselFigures, anchorFigures};
    }

    qint64 idleWakeUps() const { return idleWakeUps_; }

private:
    bool runOnce(const Program& program, int count, Figures* figures, bool sampleIdle) {
        watcher_->forget();
        QProcess process;
        process.setProcessEnvironment(environment_);
        process.setStandardOutputFile(QProcess::nullDevice());
        clock_.start();
        process.start(program.executable, program.arguments);
        if (!waitUntil([&] { return watcher_->items().size() >= count; }, registrationTimeoutMs)) {
            std::fprintf(stderr, "%s, %d items: the items never all registered\n",
                         qPrintable(program.executable), count);
            return false;
        }
        const qint64 startMs = watcher_->lastRegistrationMs();
        waitMs(settleMs);
        const ProcessSample settled = ProcessSample::of(process.processId());
        if (figures) {
            figures->startMs.append(startMs);
            figures->memory.append(settled);
            figures->openFiles = settled.openFiles;
        }
        if (sampleIdle) {
            waitMs(idleSeconds_ * 1000);
            idleWakeUps_ = ProcessSample::of(process.processId()).wakeUps - settled.wakeUps;
        }
        process.terminate();
        process.waitForFinished();
        waitMs(teardownMs);
        return true;
    }

    int runs_;
    int idleSeconds_;
    QString gapsel_;
    qint64 idleWakeUps_ = 0;
    QTemporaryDir home_;
    QProcess display_;
    QProcess bus_;
    QProcessEnvironment environment_;
    QElapsedTimer clock_;
    std::unique_ptr<TimingWatcher> watcher_;
};

// The argument after `name`, or `fallback` when `name` is not given with one.
QString optionText(const QStringList& arguments, const QString& name, const QString& fallback) {
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : fallback;
}

int optionValue(const QStringList& arguments, const QString& name, int fallback) {
    return optionText(arguments, name, QString::number(fallback)).toInt();
}

QList<int> itemCounts(const QStringList& arguments) {
    QList<int> counts;
    for (const QString& count :
         optionText(arguments, QStringLiteral("--items"), QStringLiteral("1,50,100"))
             .split(QLatin1Char(',')))
        counts.append(std::max(1, count.toInt()));
    return counts;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int runs = std::max(1, optionValue(arguments, QStringLiteral("--runs"), 9));
    const int idleSeconds = optionValue(arguments, QStringLiteral("--idle-seconds"), 30);
    const QList<int> counts = itemCounts(arguments);
    Bench bench(
        runs, idleSeconds,
        optionText(arguments, QStringLiteral("--gapsel"), QStringLiteral(GAPSEL_EXECUTABLE)));
    if (!bench.startDesktop()) {
        std::fprintf(stderr, "Xvfb or dbus-daemon did not start (scripts/setup installs them)\n");
        return 1;
    }
    QTextStream out(stdout);
    out << "Medians; each cell: Gapsel / anchor = ratio\n";
    const struct {
        const char* name;
        qint64 ProcessSample::*figure;
    } memoryFigures[] = {{"private dirty MB", &ProcessSample::privateDirtyKiB},
                         {"RSS MB", &ProcessSample::residentKiB},
                         {"PSS MB", &ProcessSample::proportionalKiB},
                         {"USS MB", &ProcessSample::uniqueKiB}};
    const auto cell = [](double gapsel, double anchor, int decimals) {
        return QStringLiteral("%1 / %2 = %3")
            .arg(gapsel, 0, 'f', decimals)
            .arg(anchor, 0, 'f', decimals)
            .arg(gapsel / anchor, 0, 'f', 2);
    };
    for (const int count : counts) {
        const auto figures = bench.measure(count);
        if (!figures)
            return 1;
        const auto& [gapsel, anchor] = *figures;
        out << count << " items (Gapsel's open files: " << gapsel.openFiles << ")\n"
            << "  start until registered ms: "
            << cell(median(gapsel.startMs), median(anchor.startMs), 0) << '\n';
        for (const auto& [name, figure] : memoryFigures)
            out << "  " << name << ": " << cell(gapsel.medianMB(figure), anchor.medianMB(figure), 2)
                << '\n';
        out.flush();
    }
    out << "Gapsel's wake-ups in " << idleSeconds << " s idle (" << counts.last()
        << " items): " << bench.idleWakeUps() << '\n';
    return 0;
}
