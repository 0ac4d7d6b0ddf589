// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/UserDefaults.h"

#include <QDateTime>
#include <QList>

#include <memory>

class JXKit;

namespace kit {

// Counts this launch towards the review milestones, unless it is one of the
// first two or falls within a week of the first launch (a first launch dated
// in the future, after the clock was set back, keeps it silent until a week
// after that date). At a milestone the desktop is asked for its rating
// prompt. Returns whether a milestone was reached.
bool requestReviewIfNeeded(const JXKit& kit, const std::shared_ptr<UserDefaults>& suite,
                           const QDateTime& now, const QList<int>& milestones);

} // namespace kit
