// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ReviewRequest.h"

#include "keys/GapselKeys.h"
#include "kit/JXKit.h"
#include "platform/Store.h"

namespace kit {

namespace {
constexpr qint64 quietPeriodSeconds = 7 * 24 * 60 * 60;
} // namespace

bool requestReviewIfNeeded(const JXKit& kit, const std::shared_ptr<UserDefaults>& suite,
                           const QDateTime& now, const QList<int>& milestones) {
    if (kit.isFirstLaunch() || kit.isSecondLaunch())
        return false;
    if (kit.firstLaunchDate().secsTo(now) <= quietPeriodSeconds)
        return false;
    const auto key = keys::reviewRequestCount(suite);
    const qint64 count = Defaults::get(key) + 1;
    Defaults::set(key, count);
    if (!milestones.contains(count))
        return false;
    kit.platform().store.requestReview();
    return true;
}

} // namespace kit
