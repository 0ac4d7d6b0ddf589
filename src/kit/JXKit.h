// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "debug/InMemoryLog.h"
#include "defaults/UserDefaults.h"
#include "kit/AppIdentity.h"
#include "kit/LaunchAtLogin.h"
#include "kit/RelaunchOptions.h"
#include "kit/Relauncher.h"
#include "kit/StartupGestureHandlers.h"
#include "platform/Platform.h"

#include <QDateTime>
#include <QStringList>

#include <memory>
#include <optional>

// The kit's object for the running application. Creating it is the kit's
// start-up: it counts the launch, settles the first-launch date, consumes the
// relaunch flags and queues the start-up gestures; afterwards it answers the
// facts about this run that the rest of the program asks for.
class JXKit {
public:
    JXKit(platform::Platform platform, std::shared_ptr<UserDefaults> defaults,
          const debug::InMemoryLog& log, kit::StartupGestureHandlers gestures = {});
    JXKit(const JXKit&) = delete;
    JXKit& operator=(const JXKit&) = delete;

    // The process's kit, for the JXApp façade: the one the application made
    // and shared. Asking while none is shared is a programming error.
    static JXKit& shared();
    // Makes `kit` the one shared() answers; none takes it back. Only the
    // application, where it wires itself together, shares its kit.
    static void share(JXKit* kit);

    const kit::AppIdentity& identity() const { return identity_; }
    // The desktop and the preferences domain this kit was made with.
    platform::Platform platform() const { return platform_; }
    const std::shared_ptr<UserDefaults>& defaults() const { return defaults_; }
    // What the program logged lately, for the debug information.
    const debug::InMemoryLog& log() const { return log_; }
    // The number of this run, counting from 1.
    qint64 launchCount() const { return launchCount_; }
    bool isFirstLaunch() const { return launchCount_ == 1; }
    bool isSecondLaunch() const { return launchCount_ == 2; }
    const QDateTime& firstLaunchDate() const { return firstLaunchDate_; }
    const QDateTime& launchDate() const { return launchDate_; }
    // Whether the previous instance relaunched into this one.
    bool wasRelaunched() const { return wasRelaunched_; }
    // Shift and Control (and nothing else) held at start-up; settled when first
    // asked and fixed for the rest of the run.
    bool isDebugMode() const;
    // The command line, captured once launching has finished (none before).
    const std::optional<QStringList>& launchArguments() const { return launchArguments_; }
    // Whether the login mechanism started this run; known once launching has
    // finished (false before).
    bool wasLaunchedAtLogin() const { return wasLaunchedAtLogin_; }
    // Launch at login, as the settings window shows and changes it.
    JXApp::LaunchAtLoginObservable& launchAtLogin() { return launchAtLogin_; }

    // True the first time it is asked for `identifier`, over the whole life of
    // the user's preferences; false ever after.
    bool runOnce(const QString& identifier);
    // Starts a new instance and quits this one. Safe from any thread.
    void relaunch(kit::RelaunchOptions options = {});
    // Ends the application from the main queue: at once when `force`, else the
    // ordinary way.
    void quit(bool force = false);
    // Opens the settings window or brings it to the front, from the main queue.
    void showSettingsWindow();
    // Shows the About panel (one at most), from the main queue.
    void showAboutPanel();

private:
    qint64 countThisLaunch();
    QDateTime settleFirstLaunchDate();
    bool consumeWasRelaunched();
    void scheduleStartupGestures();
    void runDataDeletionGesture();
    void runPostLaunchStep();
    void scheduleSettingsAfterRelaunch();
    void captureLaunchWhenFinished();

    platform::Platform platform_;
    std::shared_ptr<UserDefaults> defaults_;
    const debug::InMemoryLog& log_;
    kit::StartupGestureHandlers gestures_;
    kit::AppIdentity identity_;
    qint64 launchCount_ = 0;
    QDateTime firstLaunchDate_;
    QDateTime launchDate_;
    bool wasRelaunched_ = false;
    mutable std::optional<bool> isDebugMode_;
    std::optional<QStringList> launchArguments_;
    bool wasLaunchedAtLogin_ = false;
    JXApp::LaunchAtLoginObservable launchAtLogin_;
    kit::Relauncher relauncher_;
};
