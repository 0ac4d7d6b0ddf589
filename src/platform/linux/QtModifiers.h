// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Modifiers.h"

namespace platform::xdg {

// Asks the window system which modifier keys are down right now. Qt reports
// no Caps Lock, Help or Fn state; Alt stands for Option and the Super (Meta)
// key for Command.
class QtModifiers final : public Modifiers {
public:
    ModifierFlags held() const override;
};

} // namespace platform::xdg
