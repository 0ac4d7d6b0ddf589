// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

class JXKit;

namespace kit {
class PendingServices;
}

namespace menubar {
class FirstLaunchServices;
class StatusItemRegistry;
} // namespace menubar

namespace platform {
class MainQueue;
}

namespace app {

// What the application does once it is up, run once per process on the main
// queue: it consults the review request, and on the very first launch greets
// the user from the first status item of the registry, a second after
// start-up, and then checks that the item really appeared.
class PostLaunchStep {
public:
    static constexpr double greetingDelay = 1.0;
    static constexpr double visibilityCheckDelay = 0.2;

    PostLaunchStep(JXKit& kit, kit::PendingServices& services,
                   menubar::FirstLaunchServices& firstLaunch,
                   const menubar::StatusItemRegistry& statusItems, platform::MainQueue& queue)
        : kit_(kit)
        , services_(services)
        , firstLaunch_(firstLaunch)
        , statusItems_(statusItems)
        , queue_(queue) {}

    void run();

private:
    void greetFirstSeparator();

    JXKit& kit_;
    kit::PendingServices& services_;
    menubar::FirstLaunchServices& firstLaunch_;
    const menubar::StatusItemRegistry& statusItems_;
    platform::MainQueue& queue_;
};

} // namespace app
