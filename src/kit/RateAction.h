// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/MakerApps.h"
#include "platform/Platform.h"
#include "platform/TrayHosts.h"

#include <functional>

class JXKit;

namespace kit {

// The title of the alert's button that goes on to the store: the original
// desktop's store is the App Store; on Linux it is the software centre.
QString rateInStoreButtonTitle(platform::TrayHostKind host);

// "Rate App": the first time ever, an alert first steers bug reports and
// feature requests to the feedback page; every later time the store's review
// page opens at once.
class RateAction {
public:
    RateAction(JXKit& kit, platform::Platform platform, std::function<void()> sendFeedback);

    void run(const StoreApp& app);

private:
    void askFirst(const StoreApp& app);
    void openReviewPage(const StoreApp& app);

    JXKit& kit_;
    platform::Platform platform_;
    std::function<void()> sendFeedback_;
};

} // namespace kit
