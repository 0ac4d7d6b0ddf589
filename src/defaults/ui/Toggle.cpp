// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/ui/Toggle.h"

namespace Defaults {

Toggle::Toggle(const QString& title, const Key<bool>& key, platform::MainQueue& queue,
               QWidget* parent)
    : ToggleObservable{std::make_unique<Observable<bool>>(key, queue)}
    , BoundSwitch(title,
                  {[this] { return observable->value(); },
                   [this](bool value) { observable->setValue(value); },
                   observable->objectWillChange},
                  queue, parent) {}

} // namespace Defaults
