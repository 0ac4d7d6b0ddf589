// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/UserDefaults.h"
#include "platform/Platform.h"

#include <functional>
#include <memory>

namespace platform {
class StatusItem;
}

namespace menubar {

// A freshly installed tray utility has no window, so its user may not notice
// that it started: the greeting points at its status item, says hello with
// the application's name, bounces, and goes away by itself.
class WelcomePopover {
public:
    static constexpr double showDelay = 0.1;
    static constexpr double closeDelay = 5.0;
    static constexpr double shakeDuration = 0.3;
    static constexpr double shakeAmount = 2.0;
    static constexpr double insets = 15.0;
    static constexpr double maxWidth = 1000.0;
    static QString identifier() { return QStringLiteral("statusBarButtonWelcomePopover"); }

    WelcomePopover(platform::Platform platform, std::shared_ptr<UserDefaults> defaults);

    // Greets from the item; `completion` runs once, on the main queue, after
    // a click on the greeting, a click on the item (which then goes on to
    // open the item's menu) or five seconds, whichever comes first, and at
    // once if the item is gone by the time the greeting would show.
    void show(const std::shared_ptr<platform::StatusItem>& item, std::function<void()> completion);

private:
    void present(const std::shared_ptr<platform::StatusItem>& item,
                 std::function<void()> completion);

    platform::Platform platform_;
    std::shared_ptr<UserDefaults> defaults_;
};

} // namespace menubar
