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

#include <memory>

class JXKit;

namespace kit {

// The kit's services that menus and the post-launch step call: the share
// screen, the debug window and what it offers, rating and the review request.
class PendingServices {
public:
    PendingServices(JXKit& kit, platform::Platform platform, std::shared_ptr<UserDefaults> suite);
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

private:
    JXKit& kit_;
    platform::Platform platform_;
    std::shared_ptr<UserDefaults> suite_;
    RateAction rateAction_;
};

} // namespace kit
