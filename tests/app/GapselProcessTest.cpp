// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/PropertyList.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

// The real gapsel executable, started headless over a private configuration
// and runtime folder, as a user would start it.
namespace {

constexpr int deadlineMs = 20000;

class GapselProcess : public ::testing::Test {
protected:
    void SetUp() override {
        const QString home = testing_support::freshFolder(u"gapsel"_s);
        configFolder_ = home + u"/config"_s;
        runtimeFolder_ = home + u"/runtime"_s;
        QDir().mkpath(configFolder_);
        QDir().mkpath(runtimeFolder_);
        // The runtime folder must be private, or Qt will not use it.
        QFile::setPermissions(runtimeFolder_,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void TearDown() override {
        for (auto& process : processes_) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(deadlineMs);
            }
        }
    }

    QProcess& start(const QStringList& arguments = {},
                    QProcess::ProcessChannelMode channels = QProcess::ForwardedChannels,
                    const std::function<void(QProcessEnvironment&)>& adjust = {}) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_s, configFolder_);
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtimeFolder_);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.remove(u"DBUS_SESSION_BUS_ADDRESS"_s);
        if (adjust)
            adjust(environment);
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(channels);
        process->start(QStringLiteral(GAPSEL_EXECUTABLE), arguments);
        EXPECT_TRUE(process->waitForStarted(deadlineMs));
        processes_.push_back(std::move(process));
        return *processes_.back();
    }

    // The launch count as the preferences file on disk holds it (0 before the
    // file exists).
    qint64 launchCountOnDisk() const {
        QFile file(configFolder_ + QStringLiteral("/" GAPSEL_BUNDLE_ID ".plist"));
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        const auto contents = PropertyList::parse(file.readAll());
        return contents ? contents->value(u"JX_launchCount"_s).toLongLong() : 0;
    }

    // Waits until the preferences file holds `count` launches. It is written
    // by renaming a new file into its folder, so each write is a change of the
    // folder; nothing is looked at between changes.
    bool waitForLaunchCount(qint64 count) {
        QFileSystemWatcher folder({configFolder_});
        QEventLoop loop;
        QObject::connect(&folder, &QFileSystemWatcher::directoryChanged, &loop, [&] {
            if (launchCountOnDisk() == count)
                loop.quit();
        });
        QTimer::singleShot(deadlineMs, &loop, &QEventLoop::quit);
        if (launchCountOnDisk() != count)
            loop.exec();
        return launchCountOnDisk() == count;
    }

    static void endCleanly(QProcess& process) {
        process.terminate();
        ASSERT_TRUE(process.waitForFinished(deadlineMs));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
    }

private:
    QString configFolder_;
    QString runtimeFolder_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

// Whichever runtime folder it is given, a second start finds the first by its
// preferences file, says so and leaves without counting a launch.
TEST_F(GapselProcess, ASecondStartWhileRunningLeavesAndChangesNothing) {
    QProcess& running = start({}, QProcess::SeparateChannels);
    ASSERT_TRUE(waitForLaunchCount(1));

    const QString otherRuntime = testing_support::freshFolder(u"runtime"_s);
    QFile::setPermissions(otherRuntime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString& runtime : {QString(), otherRuntime}) {
        QProcess& again =
            start({u"--support"_s}, QProcess::SeparateChannels, [&](auto& environment) {
                if (!runtime.isEmpty())
                    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
            });
        ASSERT_TRUE(again.waitForFinished(deadlineMs));
        EXPECT_EQ(again.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(again.exitCode(), 0);
        EXPECT_EQ(again.readAllStandardError(),
                  u"Gapsel is already running (pid %1)\n"_s.arg(running.processId()).toUtf8());
        EXPECT_EQ(running.state(), QProcess::Running);
        EXPECT_EQ(launchCountOnDisk(), 1);
    }
    // The running one does what the later starts asked for.
    running.setReadChannel(QProcess::StandardError);
    QByteArray log = running.readAllStandardError();
    while (!log.contains("asked for: support") && running.waitForReadyRead(deadlineMs))
        log += running.readAllStandardError();
    EXPECT_TRUE(log.contains("asked for: support")) << log.toStdString();
    endCleanly(running);
}

// Answered before any connection to a display: there is none here.
TEST_F(GapselProcess, TheCommandLineIsAnsweredWithoutADisplay) {
    const struct {
        QStringList arguments;
        int exitCode;
        QByteArray output;
        QByteArray error;
    } table[] = {
        {{u"--help"_s}, 0, "Usage: gapsel", ""},
        {{u"--version"_s}, 0, "Gapsel " GAPSEL_VERSION "\n", ""},
        {{u"--bogus"_s}, 2, "", "Unknown option 'bogus'"},
        {{u"stray"_s}, 2, "", "Usage: gapsel"},
    };
    for (const auto& row : table) {
        QProcess& gapsel = start(row.arguments, QProcess::SeparateChannels, [](auto& environment) {
            environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
            environment.remove(u"DISPLAY"_s);
            environment.remove(u"WAYLAND_DISPLAY"_s);
        });
        ASSERT_TRUE(gapsel.waitForFinished(deadlineMs));
        const QByteArray output = gapsel.readAllStandardOutput();
        const QByteArray error = gapsel.readAllStandardError();
        EXPECT_EQ(gapsel.exitStatus(), QProcess::NormalExit) << row.arguments[0].toStdString();
        EXPECT_EQ(gapsel.exitCode(), row.exitCode) << row.arguments[0].toStdString();
        EXPECT_TRUE(output.contains(row.output)) << output.toStdString();
        EXPECT_TRUE(error.contains(row.error)) << error.toStdString();
        EXPECT_EQ(output.isEmpty(), row.output.isEmpty()) << output.toStdString();
    }
    EXPECT_EQ(launchCountOnDisk(), 0);
}

// Each start counts one launch, a relaunched one too once the instance it
// replaces has ended.
TEST_F(GapselProcess, ARelaunchedInstanceWaitsForTheRunningOneToEnd) {
    QProcess& running = start();
    ASSERT_TRUE(waitForLaunchCount(1));

    QProcess& relaunched = start({u"--new-instance"_s}, QProcess::MergedChannels);
    QByteArray output;
    while (!output.contains("Waiting for the running instance to quit") &&
           relaunched.waitForReadyRead(deadlineMs))
        output += relaunched.readAll();
    ASSERT_TRUE(output.contains("Waiting for the running instance to quit"))
        << output.toStdString();
    EXPECT_EQ(launchCountOnDisk(), 1);

    endCleanly(running);
    ASSERT_TRUE(waitForLaunchCount(2));
    EXPECT_EQ(relaunched.state(), QProcess::Running);
    endCleanly(relaunched);

    QProcess& next = start();
    ASSERT_TRUE(waitForLaunchCount(3));
    endCleanly(next);
}

} // namespace
