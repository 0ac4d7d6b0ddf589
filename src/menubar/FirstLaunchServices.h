// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "menubar/VisibilityCheck.h"
#include "menubar/VisibilityCheckOptions.h"
#include "menubar/WelcomePopover.h"

#include <functional>
#include <memory>

namespace platform {
class StatusItem;
}

namespace menubar {

// What a status item offers the first launch: a greeting, and a check that
// the item really appeared.
class FirstLaunchServices {
public:
    virtual ~FirstLaunchServices() = default;

    // Greets the user from the item; `completion` runs once the greeting has
    // been dealt with.
    virtual void showWelcomePopover(const std::shared_ptr<platform::StatusItem>& item,
                                    std::function<void()> completion) = 0;
    // Checks, once the tray has settled, that the item really appeared, and
    // tells the user if it did not.
    virtual void ensureVisibility(const std::shared_ptr<platform::StatusItem>& item,
                                  const VisibilityCheckOptions& options) = 0;
};

// Both on the desktop the program runs on.
class StatusItemFirstLaunch final : public FirstLaunchServices {
public:
    StatusItemFirstLaunch(JXKit& kit, platform::Platform platform,
                          const std::shared_ptr<UserDefaults>& defaults)
        : popover_(platform, defaults)
        , check_(kit, platform, defaults) {}

    void showWelcomePopover(const std::shared_ptr<platform::StatusItem>& item,
                            std::function<void()> completion) override {
        popover_.show(item, std::move(completion));
    }
    void ensureVisibility(const std::shared_ptr<platform::StatusItem>& item,
                          const VisibilityCheckOptions& options) override {
        check_.ensureVisibility(item, options);
    }

private:
    WelcomePopover popover_;
    VisibilityCheck check_;
};

} // namespace menubar
