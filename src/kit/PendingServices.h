// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/MakerApps.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace platform {
class StatusItem;
}

namespace kit {

// How the visibility check of a status item talks to the user.
struct VisibilityCheckOptions {
    std::optional<QString> extraMessage;
    bool showsOpenSettingsButton = false;
    bool showsSuppressionButton = false;
};

// The kit's services that menus and the post-launch step already call but
// whose features are built later: the share screen, the debug
// window, rating and the review request, the welcome popover and the
// status-item visibility check. Every entry point exists so
// that its callers are complete and wired; until its feature lands, it does
// nothing (the welcome popover completes at once). A feature replaces its
// entry point here when it is built.
class PendingServices {
public:
    virtual ~PendingServices();

    // Shows the share-app screen.
    virtual void showShareAppScreen();
    // Opens the developer debug window.
    virtual void showDebugWindow();
    // Asks once for feedback instead, then opens the store's review page.
    virtual void rateApp(const StoreApp& app);
    // Counts this launch towards the milestones and may ask the desktop for
    // its rating prompt.
    virtual void requestReviewIfNeeded(const QList<int>& milestones);
    // Greets the user from the item's button; `completion` runs once the
    // greeting has been dealt with.
    virtual void showWelcomePopover(const std::shared_ptr<platform::StatusItem>& item,
                                    std::function<void()> completion);
    // Checks, once the menu bar has settled, that the item really appeared,
    // and tells the user if it did not.
    virtual void ensureVisibility(const std::shared_ptr<platform::StatusItem>& item,
                                  const VisibilityCheckOptions& options);
};

} // namespace kit
