// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/UserDefaults.h"
#include "kit/MakerApps.h"
#include "kit/RateAction.h"
#include "platform/Platform.h"
#include "platform/WindowOpener.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class JXKit;

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

// The kit's services that menus and the post-launch step call: the share
// screen, the debug window and what it offers, rating and the review request,
// the welcome popover and the status-item visibility check. Every entry point
// exists so that its callers are complete and wired; one whose feature is not
// built yet does nothing (the welcome popover completes at once).
class PendingServices {
public:
    PendingServices(JXKit& kit, platform::Platform platform,
                    std::shared_ptr<UserDefaults> suite = UserDefaults::standard());
    virtual ~PendingServices();

    // Shows the share-app screen.
    virtual void showShareAppScreen();
    // Opens the developer debug window, through the opener the window layer
    // installs.
    virtual void showDebugWindow();
    platform::WindowOpener debugWindow;
    // Copies the debug information document to the clipboard.
    virtual void copyDebugInfo();
    // Deletes all of the application's data and settings, without asking.
    virtual void deleteAllData();
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

private:
    JXKit& kit_;
    platform::Platform platform_;
    std::shared_ptr<UserDefaults> suite_;
    RateAction rateAction_;
};

} // namespace kit
