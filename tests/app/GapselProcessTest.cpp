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
                    QProcess::ProcessChannelMode channels = QProcess::ForwardedChannels) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder_);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder_);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
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
