// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Key.h"
#include "kit/AppIdentity.h"
#include "kit/RelaunchOptions.h"
#include "platform/Error.h"
#include "platform/Platform.h"

#include <functional>

namespace kit {

// Starts a new instance of the application and then quits this one, leaving
// word in the preferences that the next start is a relaunch. At most one
// relaunch is under way at a time; a failed one leaves this instance running.
class Relauncher {
public:
    using Quit = std::function<void(bool force)>;

    Relauncher(platform::Platform platform, const AppIdentity& identity,
               const std::shared_ptr<UserDefaults>& defaults, Quit quit);

    // Safe from any thread: the work happens on the main queue.
    void relaunch(RelaunchOptions options);

    // The shell command that starts the executable given as its first
    // positional parameter, once this instance has had time to end.
    static QStringList shellArguments(const QString& executable);

private:
    void start(const RelaunchOptions& options);
    void launchThroughWorkspace(bool force);
    void launchFallback(bool force);
    void launchThroughShell(const RelaunchOptions& options);
    void giveUp(const platform::Error& error);

    platform::Platform platform_;
    const AppIdentity& identity_;
    Defaults::Key<bool> wasRelaunched_;
    Defaults::Key<bool> showSettingsAfterRelaunch_;
    Quit quit_;
    bool inProgress_ = false;
};

} // namespace kit
