// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/PendingServices.h"

namespace kit {

PendingServices::~PendingServices() = default;

void PendingServices::sendFeedback() {}
void PendingServices::showShareAppScreen() {}
void PendingServices::showDebugWindow() {}
void PendingServices::rateApp(const StoreApp&) {}
void PendingServices::requestReviewIfNeeded(const QList<int>&) {}

} // namespace kit
