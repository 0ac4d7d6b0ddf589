// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "KitTestSupport.h"
#include "debug/InMemoryLog.h"
#include "kit/Relauncher.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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
    void failLaunchesOf(const QString& location, const QString& reason) {
        launches.sim.workspace.failLaunchesOf(location, Error::failure(reason));
    }
    void installElsewhere() {
        launches.sim.workspace.installApplication(launches.sim.bundle.identifier, installed);
    }

    const QString installed = u"/usr/bin/gapsel"_s;

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
    EXPECT_EQ(settingsOpened, 0) << "opening waits for the main queue";
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(settingsOpened, 1);
    launches.launch();
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(settingsOpened, 1) << "only the launch after the relaunch";
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
    failLaunchesOf(launches.sim.bundle.location, u"executable gone"_s);
    installElsewhere();
    JXKit& kit = launches.launch();
    kit.relaunch();
    launches.sim.queue.runUntilIdle();

    EXPECT_EQ(launches.sim.workspace.launchRequests(),
              QStringList({launches.sim.bundle.location, installed}));
    EXPECT_EQ(application().terminateRequests(), 1);
    ASSERT_EQ(loggedErrors().size(), 1);
    EXPECT_TRUE(loggedErrors()[0].contains(QLatin1String("executable gone")));
    EXPECT_TRUE(loggedErrors()[0].contains(QLatin1String("isFallback: false")));
}

TEST_F(Relaunch, WhenBothAttemptsFailThisInstanceRunsOnWithTheFlagsCleared) {
    failLaunchesOf(launches.sim.bundle.location, u"executable gone"_s);
    installElsewhere();
    failLaunchesOf(installed, u"not executable"_s);
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
    failLaunchesOf(launches.sim.bundle.location, u"executable gone"_s);
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
    launches.sim.bundle.location = u"/opt/a\"b/$(reboot)/`id`/gapsel"_s;
    JXKit& kit = launches.launch();
    kit.relaunch({.useShell = true});
    launches.sim.queue.runUntilIdle();

    ASSERT_EQ(launches.sim.workspace.programStarts().size(), 1);
    const auto& start = launches.sim.workspace.programStarts()[0];
    EXPECT_EQ(start.program, u"/bin/sh"_s);
    ASSERT_EQ(start.arguments.size(), 4);
    EXPECT_EQ(start.arguments[0], u"-c"_s);
    EXPECT_FALSE(start.arguments[1].contains(QLatin1String("reboot")));
    EXPECT_EQ(start.arguments[3], launches.sim.bundle.location);
    EXPECT_EQ(application().terminateRequests(), 1);
}

// The shell command run for real against an executable whose folder name
// would run code if it were ever parsed.
TEST(ShellRelaunchCommand, StartsAHostilePathVerbatimAndRunsNothingElse) {
    const QString work = testing_support::freshFolder(u"shell"_s);
    const QString folder = work + u"/it's \"$(touch pwned)\" `touch pwned2` $HOME"_s;
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString executable = folder + u"/gapsel"_s;
    QFile script(executable);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$(dirname \"$0\")/../started\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess shell;
    shell.setWorkingDirectory(work);
    shell.start(u"/bin/sh"_s, kit::Relauncher::shellArguments(executable));
    ASSERT_TRUE(shell.waitForFinished(10000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();

    QFile started(work + u"/started"_s);
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(started.readAll()), executable + u"\n--new-instance\n"_s);
    EXPECT_EQ(QDir(work).entryList(QDir::Files), QStringList{u"started"_s});
}

TEST_F(Relaunch, ShellFailureIsRecordedAndShownAndTheInstanceRunsOn) {
    launches.sim.workspace.failProgramStarts(Error::failure(u"no shell"_s));
    JXKit& kit = launches.launch();
    kit.relaunch({.useShell = true});
    launches.sim.queue.runUntilIdle();

    ASSERT_EQ(loggedErrors().size(), 1);
    EXPECT_TRUE(loggedErrors()[0].contains(QLatin1String("no shell")));
    ASSERT_EQ(launches.sim.alerts.presentedErrors().size(), 1);
    EXPECT_EQ(launches.sim.alerts.presentedErrors()[0].description, u"no shell"_s);
    EXPECT_EQ(application().terminateRequests() + application().exitRequests(), 0);
    // The flags stay as written, so the next start by hand counts as the relaunch.
    EXPECT_EQ(stored("JXApp_wasRelaunched"), QVariant(true));

    kit.relaunch({.useShell = true});
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(loggedErrors().size(), 1) << "still in progress: nothing more happens";
}

TEST_F(Relaunch, ShellFailureReportingFollowsTheFlags) {
    launches.sim.workspace.failProgramStarts(Error::failure(u"no shell"_s));
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
