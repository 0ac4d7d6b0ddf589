// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/PropertyList.h"
#include "support/TestEnvironment.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The real gapsel executable, started headless over a private configuration
// and runtime folder, as a user would start it.
namespace {

constexpr int deadlineMs = 20000;

// Polls `condition` until it holds or the deadline passes.
bool eventually(const std::function<bool()>& condition) {
    const QDeadlineTimer deadline(deadlineMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

class GapselProcess : public ::testing::Test {
protected:
    void SetUp() override {
        const QString home = testing_support::freshFolder(QStringLiteral("gapsel"));
        configFolder_ = home + QStringLiteral("/config");
        runtimeFolder_ = home + QStringLiteral("/runtime");
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
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder_);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder_);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
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
        return contents ? contents->value(QStringLiteral("JX_launchCount")).toLongLong() : 0;
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

TEST_F(GapselProcess, EachStartCountsOneLaunchInThePreferencesFile) {
    QProcess& first = start();
    ASSERT_TRUE(eventually([&] { return launchCountOnDisk() == 1; }));
    endCleanly(first);

    QProcess& second = start();
    ASSERT_TRUE(eventually([&] { return launchCountOnDisk() == 2; }));
    endCleanly(second);
}

TEST_F(GapselProcess, ASecondStartWhileRunningLeavesAndChangesNothing) {
    QProcess& running = start();
    ASSERT_TRUE(eventually([&] { return launchCountOnDisk() == 1; }));

    QProcess& again = start();
    ASSERT_TRUE(again.waitForFinished(deadlineMs));
    EXPECT_EQ(again.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(again.exitCode(), 0);

    EXPECT_EQ(running.state(), QProcess::Running);
    EXPECT_EQ(launchCountOnDisk(), 1);
    endCleanly(running);
}

// The later start reaches the running one, which does what it was asked.
TEST_F(GapselProcess, OnePerPreferencesFileWhateverTheRuntimeFolder) {
    QProcess& running = start({}, QProcess::SeparateChannels);
    ASSERT_TRUE(eventually([&] { return launchCountOnDisk() == 1; }));

    const QString otherRuntime = testing_support::freshFolder(QStringLiteral("runtime"));
    QFile::setPermissions(otherRuntime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess& again = start({QStringLiteral("--support")}, QProcess::SeparateChannels,
                            [&](QProcessEnvironment& environment) {
                                environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), otherRuntime);
                            });
    ASSERT_TRUE(again.waitForFinished(deadlineMs));
    EXPECT_EQ(again.exitCode(), 0);
    EXPECT_EQ(
        again.readAllStandardError(),
        QStringLiteral("Gapsel is already running (pid %1)\n").arg(running.processId()).toUtf8());
    QByteArray log;
    EXPECT_TRUE(eventually([&] {
        running.waitForReadyRead(50);
        log += running.readAllStandardError();
        return log.contains("asked for: support");
    })) << log.toStdString();
    EXPECT_EQ(launchCountOnDisk(), 1);
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
        {{QStringLiteral("--help")}, 0, "Usage: gapsel", ""},
        {{QStringLiteral("--version")}, 0, "Gapsel " GAPSEL_VERSION "\n", ""},
        {{QStringLiteral("--bogus")}, 2, "", "Unknown option 'bogus'"},
        {{QStringLiteral("stray")}, 2, "", "Usage: gapsel"},
    };
    for (const auto& row : table) {
        QProcess& gapsel = start(row.arguments, QProcess::SeparateChannels, [](auto& environment) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            environment.remove(QStringLiteral("DISPLAY"));
            environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
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

TEST_F(GapselProcess, ARelaunchedInstanceWaitsForTheRunningOneToEnd) {
    QProcess& running = start();
    ASSERT_TRUE(eventually([&] { return launchCountOnDisk() == 1; }));

    QProcess& relaunched = start({QStringLiteral("--new-instance")}, QProcess::MergedChannels);
    QByteArray output;
    ASSERT_TRUE(eventually([&] {
        relaunched.waitForReadyRead(20);
        output += relaunched.readAll();
        return output.contains("Waiting for the running instance to quit");
    })) << output.toStdString();
    EXPECT_EQ(launchCountOnDisk(), 1);

    endCleanly(running);
    ASSERT_TRUE(eventually([&] { return launchCountOnDisk() == 2; }));
    EXPECT_EQ(relaunched.state(), QProcess::Running);
    endCleanly(relaunched);
}

} // namespace
