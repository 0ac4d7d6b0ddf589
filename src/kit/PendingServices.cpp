// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/PendingServices.h"

namespace kit {

PendingServices::~PendingServices() = default;

void PendingServices::showShareAppScreen() {}
void PendingServices::showDebugWindow() {}
void PendingServices::rateApp(const StoreApp&) {}
void PendingServices::requestReviewIfNeeded(const QList<int>&) {}

void PendingServices::showWelcomePopover(const std::shared_ptr<platform::StatusItem>&,
                                         std::function<void()> completion) {
    completion();
}

void PendingServices::ensureVisibility(const std::shared_ptr<platform::StatusItem>&,
                                       const VisibilityCheckOptions&) {}

} // namespace kit
