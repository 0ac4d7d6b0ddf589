// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Observable.h"
#include "defaults/ui/BoundSwitch.h"

namespace Defaults {

namespace detail {
// Comes before the switch among Toggle's bases, so the key's observable is made
// before the switch connects to it and goes after the switch has let go.
struct ToggleObservable {
    std::unique_ptr<Observable<bool>> observable;
};
} // namespace detail

// A switch for a Boolean preference: shows the key's value (its default when
// nothing is stored), stores the new value explicitly when flipped, and
// follows changes made anywhere else.
class Toggle : private detail::ToggleObservable, public BoundSwitch {
public:
    Toggle(const QString& title, const Key<bool>& key, platform::MainQueue& queue,
           QWidget* parent = nullptr);
};

} // namespace Defaults
