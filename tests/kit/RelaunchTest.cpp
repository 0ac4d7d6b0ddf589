// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "KitTestSupport.h"
#include "debug/InMemoryLog.h"
#include "kit/Relauncher.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using kit_testing::Launches;
using platform::Error;

namespace {

class Relaunch : public ::testing::Test {
protected:
    void SetUp() override { debug::InMemoryLog::shared().clear(); }

    QVariant stored(const char* key) {
        return launches.suite().persistentDomain().value(QString::fromLatin1(key));
    }
    QStringList loggedErrors() const { return debug::InMemoryLog::shared().lines(); }
    const platform::sim::SimApplication& application() const { return launches.sim.application; }

    Launches launches;
};

TEST_F(Relaunch, StartsANewInstanceThenQuitsAndTheNextStartKnows) {
    JXKit& kit = launches.launch();
    kit.relaunch();
    launches.sim.queue.runUntilIdle();

    EXPECT_EQ(launches.sim.workspace.launchRequests(), QStringList{launches.sim.bundle.location});
    EXPECT_EQ(application().terminateRequests(), 1);
    EXPECT_EQ(application().exitRequests(), 0);
    EXPECT_EQ(stored("JXApp_wasRelaunched"), QVariant(true));

    EXPECT_TRUE(launches.launch().wasRelaunched());
    EXPECT_FALSE(launches.launch().wasRelaunched());
}

TEST_F(Relaunch, ForceExitsAtOnceAndSettingsCanBeAskedFor) {
    int settingsOpened = 0;
    launches.sim.settingsWindow.installOpener([&] { ++settingsOpened; });
    JXKit& kit = launches.launch();
    kit.relaunch({.force = true, .showSettingsAfterRelaunch = true});
    launches.sim.queue.runUntilIdle();

    EXPECT_EQ(application().exitRequests(), 1);
    EXPECT_EQ(application().terminateRequests(), 0);
    EXPECT_EQ(settingsOpened, 0);

    launches.launch();
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(settingsOpened, 1);
}

TEST_F(Relaunch, CalledTwiceStartsOneInstance) {
    JXKit& kit = launches.launch();
    kit.relaunch();
    kit.relaunch();
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(launches.sim.workspace.launchRequests().size(), 1);
    EXPECT_EQ(application().terminateRequests(), 1);
}

TEST_F(Relaunch, FailedLaunchTriesTheInstalledApplication) {
    launches.sim.workspace.failLaunchesOf(launches.sim.bundle.location,
                                          Error::failure(QStringLiteral("executable gone")));
    launches.sim.workspace.installApplication(launches.sim.bundle.identifier,
                                              QStringLiteral("/usr/bin/gapsel"));
    JXKit& kit = launches.launch();
    kit.relaunch();
    launches.sim.queue.runUntilIdle();

    EXPECT_EQ(launches.sim.workspace.launchRequests(),
              QStringList({launches.sim.bundle.location, QStringLiteral("/usr/bin/gapsel")}));
    EXPECT_EQ(application().terminateRequests(), 1);
    ASSERT_EQ(loggedErrors().size(), 1);
    EXPECT_TRUE(loggedErrors()[0].contains(QLatin1String("executable gone")));
    EXPECT_TRUE(loggedErrors()[0].contains(QLatin1String("isFallback: false")));
}

TEST_F(Relaunch, WhenBothAttemptsFailThisInstanceRunsOnWithTheFlagsCleared) {
    launches.sim.workspace.failLaunchesOf(launches.sim.bundle.location,
                                          Error::failure(QStringLiteral("executable gone")));
    launches.sim.workspace.installApplication(launches.sim.bundle.identifier,
                                              QStringLiteral("/usr/bin/gapsel"));
    launches.sim.workspace.failLaunchesOf(QStringLiteral("/usr/bin/gapsel"),
                                          Error::failure(QStringLiteral("not executable")));
    JXKit& kit = launches.launch();
    kit.relaunch({.showSettingsAfterRelaunch = true});
    launches.sim.queue.runUntilIdle();

    EXPECT_EQ(application().terminateRequests() + application().exitRequests(), 0);
    EXPECT_EQ(stored("JXApp_wasRelaunched"), QVariant(false));
    EXPECT_EQ(stored("JX_isShowingSettingsAfterRelaunch"), QVariant(false));
    ASSERT_EQ(loggedErrors().size(), 2);
    EXPECT_TRUE(loggedErrors()[1].contains(QLatin1String("not executable")));
    EXPECT_TRUE(loggedErrors()[1].contains(QLatin1String("isFallback: true")));

    // No longer in progress: the user may try again.
    kit.relaunch();
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(launches.sim.workspace.launchRequests().size(), 4);
}

TEST_F(Relaunch, WhenNoApplicationIsInstalledTheFallbackFailureIsRecorded) {
    launches.sim.workspace.failLaunchesOf(launches.sim.bundle.location,
                                          Error::failure(QStringLiteral("executable gone")));
    JXKit& kit = launches.launch();
    kit.relaunch();
    launches.sim.queue.runUntilIdle();

    EXPECT_EQ(launches.sim.workspace.launchRequests().size(), 1);
    EXPECT_EQ(stored("JXApp_wasRelaunched"), QVariant(false));
    ASSERT_EQ(loggedErrors().size(), 2);
    EXPECT_TRUE(loggedErrors()[1].contains(launches.sim.bundle.identifier));
    EXPECT_TRUE(loggedErrors()[1].contains(QLatin1String("isFallback: true")));
}

TEST_F(Relaunch, ThroughTheShellThePathIsAnArgumentNotCommandText) {
    launches.sim.bundle.location = QStringLiteral("/opt/a\"b/$(reboot)/`id`/gapsel");
    JXKit& kit = launches.launch();
    kit.relaunch({.useShell = true});
    launches.sim.queue.runUntilIdle();

    ASSERT_EQ(launches.sim.workspace.programStarts().size(), 1);
    const auto& start = launches.sim.workspace.programStarts()[0];
    EXPECT_EQ(start.program, QStringLiteral("/bin/sh"));
    ASSERT_EQ(start.arguments.size(), 4);
    EXPECT_EQ(start.arguments[0], QStringLiteral("-c"));
    EXPECT_FALSE(start.arguments[1].contains(QLatin1String("reboot")));
    EXPECT_EQ(start.arguments[3], launches.sim.bundle.location);
    EXPECT_EQ(application().terminateRequests(), 1);
}

// The shell command run for real against an executable whose folder name
// would run code if it were ever parsed.
TEST(ShellRelaunchCommand, StartsAHostilePathVerbatimAndRunsNothingElse) {
    const QString work = testing_support::freshFolder(QStringLiteral("shell"));
    const QString folder = work + QStringLiteral("/it's \"$(touch pwned)\" `touch pwned2` $HOME");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString executable = folder + QStringLiteral("/gapsel");
    QFile script(executable);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$(dirname \"$0\")/../started\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess shell;
    shell.setWorkingDirectory(work);
    shell.start(QStringLiteral("/bin/sh"), kit::Relauncher::shellArguments(executable));
    ASSERT_TRUE(shell.waitForFinished(10000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();

    QFile started(work + QStringLiteral("/started"));
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(started.readAll()),
              executable + QStringLiteral("\n--new-instance\n"));
    EXPECT_EQ(QDir(work).entryList(QDir::Files), QStringList{QStringLiteral("started")});
}

TEST_F(Relaunch, ShellFailureIsRecordedAndShownAndTheInstanceRunsOn) {
    launches.sim.workspace.failProgramStarts(Error::failure(QStringLiteral("no shell")));
    JXKit& kit = launches.launch();
    kit.relaunch({.useShell = true});
    launches.sim.queue.runUntilIdle();

    ASSERT_EQ(loggedErrors().size(), 1);
    EXPECT_TRUE(loggedErrors()[0].contains(QLatin1String("no shell")));
    ASSERT_EQ(launches.sim.alerts.presentedErrors().size(), 1);
    EXPECT_EQ(launches.sim.alerts.presentedErrors()[0].description, QStringLiteral("no shell"));
    EXPECT_EQ(application().terminateRequests() + application().exitRequests(), 0);
    // The flags stay as written, so the next start by hand counts as the relaunch.
    EXPECT_EQ(stored("JXApp_wasRelaunched"), QVariant(true));

    kit.relaunch({.useShell = true});
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(loggedErrors().size(), 1) << "still in progress: nothing more happens";
}

TEST_F(Relaunch, ShellFailureReportingFollowsTheFlags) {
    launches.sim.workspace.failProgramStarts(Error::failure(QStringLiteral("no shell")));
    JXKit& logOnly = launches.launch();
    logOnly.relaunch({.logFailureOnly = true, .useShell = true});
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(loggedErrors().size(), 1);
    EXPECT_TRUE(launches.sim.alerts.presentedErrors().isEmpty());

    JXKit& forced = launches.launch();
    forced.relaunch({.force = true, .useShell = true});
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(loggedErrors().size(), 1);
    EXPECT_TRUE(launches.sim.alerts.presentedErrors().isEmpty());
}

} // namespace
