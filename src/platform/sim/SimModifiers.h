// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Modifiers.h"

namespace platform::sim {

// Modifier keys that a test presses and releases by hand.
class SimModifiers final : public Modifiers {
public:
    ModifierFlags held() const override { return held_; }
    void hold(ModifierFlags keys) { held_ = keys; }

private:
    ModifierFlags held_;
};

} // namespace platform::sim
