// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "KitTestSupport.h"
#include "debug/InMemoryLog.h"
#include "kit/DataDeletion.h"
#include "kit/JXApp.h"
#include "kit/Relauncher.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

using kit_testing::Launches;
using platform::Error;

namespace {

QVariant stored(Launches& launches, const char* key) {
    return launches.suite()->persistentDomain().value(QString::fromLatin1(key));
}

const QString bundle = u"/opt/gapsel/bin/gapsel"_s;
const QString installed = u"/usr/bin/gapsel"_s;

// Each launch a day after the last; the third follows a relaunch, which is a
// launch like any other for the count and the first-launch date.
TEST(LaunchBookkeeping, LaunchesCountOnKeepTheFirstDateAndACountThatCannotGrowStays) {
    Launches launches;
    const QDateTime firstDate = launches.sim.queue.now();
    for (qint64 count = 1; count <= 3; ++count) {
        SCOPED_TRACE(count);
        if (count == 3)
            launches.suite()->set(true, u"JXApp_wasRelaunched"_s);
        JXKit& kit = launches.launch();
        EXPECT_EQ(kit.launchCount(), count);
        EXPECT_EQ(kit.isFirstLaunch(), count == 1);
        EXPECT_EQ(kit.isSecondLaunch(), count == 2);
        EXPECT_EQ(kit.firstLaunchDate(), firstDate);
        EXPECT_EQ(kit.launchDate(), launches.sim.queue.now());
        // Stored at once: a run killed right after its start still counts.
        EXPECT_EQ(stored(launches, "JX_launchCount"), QVariant(count));
        launches.sim.queue.runUntilIdle();
        EXPECT_EQ(stored(launches, "JX_firstLaunchDate").toDateTime(), firstDate);
        launches.sim.queue.advance(86400);
    }

    // Stored as a number or as its text, the largest count must not stop every
    // later start: it stays where it is.
    const qint64 largest = std::numeric_limits<qint64>::max();
    for (const QVariant& value : {QVariant(largest), QVariant(u"9223372036854775807"_s)}) {
        Launches stuck;
        stuck.suite()->set(value, u"JX_launchCount"_s);
        EXPECT_EQ(stuck.launch().launchCount(), largest);
        stuck.sim.queue.runUntilIdle();
        EXPECT_EQ(stored(stuck, "JX_launchCount"), value);
    }
}

// A once-only question answers true once per identifier, across launches.
TEST(LaunchBookkeeping, WrongTypedBookkeepingReadsAsAbsentAndIsRepairedAndRunOnceAnswersOnce) {
    Launches launches;
    launches.suite()->set(u"seven"_s, u"JX_launchCount"_s);
    launches.suite()->set(u"yesterday"_s, u"JX_firstLaunchDate"_s);
    launches.suite()->set(qint64(1), u"JX_App_runOnce__hint"_s);
    launches.suite()->set(u"yes"_s, u"JXApp_wasRelaunched"_s);
    JXKit& kit = launches.launch();
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(stored(launches, "JX_launchCount"), QVariant(qint64(1)));
    EXPECT_EQ(stored(launches, "JX_firstLaunchDate"), QVariant(launches.sim.queue.now()));
    EXPECT_FALSE(kit.wasRelaunched());
    EXPECT_TRUE(kit.runOnce(u"hint"_s));
    EXPECT_FALSE(kit.runOnce(u"hint"_s));
    EXPECT_EQ(stored(launches, "JX_App_runOnce__hint"), QVariant(true));
    JXKit& later = launches.launch();
    EXPECT_FALSE(later.runOnce(u"hint"_s));
    EXPECT_TRUE(later.runOnce(u"hint "_s));
}

TEST(LaunchFacts, TheArgumentsAndALoginStartAreKnownOnceLaunchingFinished) {
    Launches launches;
    JXKit& ordinary = launches.launch();
    launches.sim.application.finishLaunching();
    EXPECT_FALSE(ordinary.wasLaunchedAtLogin());

    launches.sim.loginItems.launchedAtLogin = true;
    launches.sim.application.setLaunchArguments({u"gapsel"_s, u"--x"_s});
    JXKit& atLogin = launches.launch();
    EXPECT_FALSE(atLogin.wasLaunchedAtLogin());
    EXPECT_FALSE(atLogin.launchArguments());
    launches.sim.application.finishLaunching();
    EXPECT_TRUE(atLogin.wasLaunchedAtLogin());
    EXPECT_EQ(atLogin.launchArguments(), QStringList({u"gapsel"_s, u"--x"_s}));
}

// The façade has nothing to speak for before the application shared its kit
// or after it took it back: asking then is a mistake that ends the process.
TEST(SharedKitDeathTest, IsAnErrorWhileNoneIsShared) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(JXApp::name(), "shared none");
    EXPECT_DEATH(
        {
            Launches launches;
            JXKit::share(&launches.launch());
            JXKit::share(nullptr);
            JXApp::isFirstLaunch();
        },
        "shared none");
}

// The façade speaks for the kit the application shared, whose requests reach
// the desktop through its main queue.
TEST(JXAppFacade, SpeaksForTheSharedKitWhoseRequestsWaitForTheMainQueue) {
    const auto launches = std::make_unique<Launches>();
    JXKit& kit = launches->launch();
    JXKit::share(&kit);
    EXPECT_TRUE(JXApp::runOnce(u"tip"_s));
    EXPECT_FALSE(kit.runOnce(u"tip"_s));

    int settingsOpened = 0;
    launches->sim.settingsWindow.installOpener([&] { ++settingsOpened; });
    JXApp::showSettingsWindow();
    JXApp::quit();
    JXApp::quit(true);
    EXPECT_EQ(settingsOpened, 0) << "requests wait for the main queue";
    launches->sim.queue.runUntilIdle();
    EXPECT_EQ(settingsOpened, 1);
    EXPECT_EQ(launches->sim.application.terminateRequests(), 1);
    EXPECT_EQ(launches->sim.application.exitRequests(), 1);
    launches->sim.settingsWindow.installOpener({});

    // The folders follow whichever kit is shared now.
    EXPECT_TRUE(JXApp::cachesDirectory().startsWith(
        *launches->sim.fileManager.userFolder(platform::UserFolder::Caches)));
    const QTemporaryDir elsewhere;
    launches->sim.fileManager.folders[platform::UserFolder::Caches] = elsewhere.path();
    JXKit::share(&launches->launch());
    EXPECT_TRUE(JXApp::cachesDirectory().startsWith(elsewhere.path()));
    JXKit::share(nullptr);
}

enum class Broken { nothing, bundle, bundleWithCopy, bundleAndCopy, shell };
enum class Ending { runsOn, terminated, exited };

// Relaunched `calls` times with what is `broken` (the copy is installed
// elsewhere): how many launches were asked for (the bundle, then the copy,
// again and again), how this instance ended, whether the next start knows it
// was relaunched, what was logged (a pattern per line, split by ';') and
// whether the failure was shown.
TEST(Relaunch, StartsANewInstanceThroughWhatWorksOrRunsOn) {
    constexpr kit::RelaunchOptions plain, forced{.force = true}, viaShell{.useShell = true};
    constexpr kit::RelaunchOptions withSettings{.showSettingsAfterRelaunch = true};
    constexpr kit::RelaunchOptions shellLogOnly{.logFailureOnly = true, .useShell = true};
    constexpr kit::RelaunchOptions shellForced{.force = true, .useShell = true};
    const struct {
        const char* name;
        kit::RelaunchOptions options;
        Broken broken;
        int calls;
        qsizetype started;
        Ending ending;
        bool wasRelaunched;
        const char* logged;
        bool alerted;
    } table[] = {
        {"plain, twice", plain, Broken::nothing, 2, 1, Ending::terminated, true, "", false},
        {"forced", forced, Broken::nothing, 1, 1, Ending::exited, true, "", false},
        {"copy", plain, Broken::bundleWithCopy, 1, 2, Ending::terminated, true,
         "executable gone.*isFallback: false", false},
        // No longer in progress: the user may try again.
        {"both, twice", withSettings, Broken::bundleAndCopy, 2, 4, Ending::runsOn, false,
         "executable gone.*isFallback: false;not executable.*isFallback: true;"
         "executable gone;not executable",
         false},
        {"no copy", plain, Broken::bundle, 1, 1, Ending::runsOn, false,
         "executable gone;com.gapsel.Gapsel.*isFallback: true", false},
        // The flags stay as written, so the next start by hand counts as the
        // relaunch; still in progress, a second call does nothing.
        {"shell, twice", viaShell, Broken::shell, 2, 0, Ending::runsOn, true, "no shell", true},
        {"shell, log only", shellLogOnly, Broken::shell, 1, 0, Ending::runsOn, true, "no shell",
         false},
        {"shell, forced", shellForced, Broken::shell, 1, 0, Ending::runsOn, true, "", false},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        testing_support::log().clear();
        Launches launches;
        auto& sim = launches.sim;
        if (row.broken != Broken::nothing && row.broken != Broken::shell)
            sim.workspace.failLaunchesOf(bundle, Error::failure(u"executable gone"_s));
        if (row.broken == Broken::bundleWithCopy || row.broken == Broken::bundleAndCopy)
            sim.workspace.installApplication(sim.bundle.identifier, installed);
        if (row.broken == Broken::bundleAndCopy)
            sim.workspace.failLaunchesOf(installed, Error::failure(u"not executable"_s));
        if (row.broken == Broken::shell)
            sim.workspace.failProgramStarts(Error::failure(u"no shell"_s));
        JXKit& kit = launches.launch();
        for (int call = 0; call < row.calls; ++call) {
            kit.relaunch(row.options);
            sim.queue.runUntilIdle();
        }

        const QStringList alternating{bundle, installed, bundle, installed};
        EXPECT_EQ(sim.workspace.launchRequests(), alternating.first(row.started));
        EXPECT_EQ(sim.application.terminateRequests(), int(row.ending == Ending::terminated));
        EXPECT_EQ(sim.application.exitRequests(), int(row.ending == Ending::exited));
        if (row.options.showSettingsAfterRelaunch) {
            EXPECT_EQ(stored(launches, "JX_isShowingSettingsAfterRelaunch"), QVariant(false));
        }
        const QStringList lines = testing_support::log().lines();
        const QStringList patterns = QString::fromUtf8(row.logged).split(u';', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), patterns.size()) << lines.join(u'\n').toStdString();
        for (qsizetype index = 0; index < lines.size(); ++index) {
            const QRegularExpression pattern(patterns[index],
                                             QRegularExpression::DotMatchesEverythingOption);
            EXPECT_TRUE(pattern.match(lines[index]).hasMatch()) << lines[index].toStdString();
        }
        QStringList shown;
        for (const Error& error : sim.alerts.presentedErrors())
            shown.append(error.description);
        EXPECT_EQ(shown, row.alerted ? QStringList{u"no shell"_s} : QStringList());
        EXPECT_EQ(launches.launch().wasRelaunched(), row.wasRelaunched);
        EXPECT_FALSE(launches.launch().wasRelaunched());
    }
}

TEST(Relaunch, SettingsOpenInTheNextLaunchOnlyOnceTheMainQueueRuns) {
    Launches launches;
    int settingsOpened = 0;
    launches.sim.settingsWindow.installOpener([&] { ++settingsOpened; });
    launches.launch().relaunch({.showSettingsAfterRelaunch = true});
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(settingsOpened, 0);

    launches.launch();
    EXPECT_EQ(settingsOpened, 0) << "opening waits for the main queue";
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(settingsOpened, 1);
    launches.launch();
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(settingsOpened, 1) << "only the launch after the relaunch";
}

// Through the shell the path is an argument, never command text: the
// command is run for real against an executable whose folder name would run
// code if it were ever parsed.
TEST(Relaunch, ThroughTheShellAHostilePathStartsVerbatimAndRunsNothingElse) {
    const QString work = testing_support::freshFolder(u"shell"_s);
    const QString folder = work + u"/it's \"$(touch pwned)\" `touch pwned2` $HOME"_s;
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString executable = folder + u"/gapsel"_s;
    QFile script(executable);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$(dirname \"$0\")/../started\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    Launches launches;
    launches.sim.bundle.location = executable;
    launches.launch().relaunch({.useShell = true});
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(launches.sim.application.terminateRequests(), 1);
    ASSERT_EQ(launches.sim.workspace.programStarts().size(), 1);
    const auto& start = launches.sim.workspace.programStarts()[0];
    EXPECT_EQ(start.program, u"/bin/sh"_s);

    QProcess shell;
    shell.setWorkingDirectory(work);
    shell.start(start.program, start.arguments);
    ASSERT_TRUE(shell.waitForFinished(10000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();

    QFile started(work + u"/started"_s);
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(started.readAll()), executable + u"\n--new-instance\n"_s);
    EXPECT_EQ(QDir(work).entryList(QDir::Files), QStringList{u"started"_s});
}

} // namespace
