// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/MakerApps.h"

#include <QList>
#include <QString>

namespace kit {

// The kit's services that menus and the post-launch step already call but
// whose features are built later: feedback, the share screen, the debug
// window, rating and the review request. Every entry point exists so
// that its callers are complete and wired; until its feature lands, it does
// nothing. A feature replaces its entry point here when it is built.
class PendingServices {
public:
    virtual ~PendingServices();

    // Opens the feedback page with the application's debug metadata.
    virtual void sendFeedback();
    // Shows the share-app screen.
    virtual void showShareAppScreen();
    // Opens the developer debug window.
    virtual void showDebugWindow();
    // Asks once for feedback instead, then opens the store's review page.
    virtual void rateApp(const StoreApp& app);
    // Counts this launch towards the milestones and may ask the desktop for
    // its rating prompt.
    virtual void requestReviewIfNeeded(const QList<int>& milestones);
};

} // namespace kit
