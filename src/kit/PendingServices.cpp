// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/PendingServices.h"

#include "kit/DataDeletion.h"
#include "kit/Feedback.h"
#include "kit/ReviewRequest.h"
#include "kit/SupportActions.h"
#include "platform/MainQueue.h"
#include "platform/WindowOpener.h"

namespace kit {

PendingServices::PendingServices(JXKit& kit, platform::Platform platform,
                                 std::shared_ptr<UserDefaults> suite)
    : kit_(kit)
    , platform_(platform)
    , suite_(std::move(suite))
    , rateAction_(kit, platform, [&kit] { kit::sendFeedback(kit); }) {}

PendingServices::~PendingServices() = default;

// Each "Share App" opens a window of its own, from the main queue as the
// other windows are.
void PendingServices::showShareAppScreen() {
    platform_.mainQueue.async([this] { platform_.shareWindow.open(); });
}

void PendingServices::showDebugWindow() {
    debugWindow.open();
}

void PendingServices::copyDebugInfo() {
    kit::copyDebugInfo(kit_);
}

void PendingServices::deleteAllData() {
    kit::deleteAllData(kit_);
}

void PendingServices::rateApp(const StoreApp& app) {
    rateAction_.run(app);
}

void PendingServices::requestReviewIfNeeded(const QList<int>& milestones) {
    kit::requestReviewIfNeeded(kit_, suite_, platform_.mainQueue.now(), milestones);
}

} // namespace kit
