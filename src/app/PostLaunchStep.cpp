// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/PostLaunchStep.h"

#include "kit/JXKit.h"
#include "kit/PendingServices.h"
#include "menubar/FirstLaunchServices.h"
#include "menubar/StatusItemRegistry.h"
#include "platform/MainQueue.h"

namespace app {

void PostLaunchStep::run() {
    services_.requestReviewIfNeeded({6, 100, 500});
    if (!kit_.isFirstLaunch())
        return;
    queue_.async([this] { greetFirstSeparator(); });
}

// The item is held weakly across the waits: a separator removed in the
// meantime is neither greeted nor checked.
void PostLaunchStep::greetFirstSeparator() {
    const auto items = statusItems_.liveItems();
    if (items.empty())
        return;
    const std::weak_ptr<platform::StatusItem> first = items.front();
    queue_.asyncAfter(greetingDelay, [this, first] {
        const auto item = first.lock();
        if (!item)
            return;
        firstLaunch_.showWelcomePopover(item, [this, first] {
            queue_.asyncAfter(visibilityCheckDelay, [this, first] {
                if (const auto checked = first.lock())
                    firstLaunch_.ensureVisibility(checked, {.extraMessage = std::nullopt,
                                                            .showsOpenSettingsButton = false,
                                                            .showsSuppressionButton = true});
            });
        });
    });
}

} // namespace app
