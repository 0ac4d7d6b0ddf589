// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Modifiers.h"

namespace platform::xdg {

// Asks the window system which modifier keys are down right now. Qt reports
// no Caps Lock, Help or Fn state; Alt stands for Option and the Super (Meta)
// key for Command.
//
// Keys named on the command line count as held too: on Wayland the keyboard
// cannot be read by a program without focus, so the start-up gestures come
// as options there.
class QtModifiers final : public Modifiers {
public:
    explicit QtModifiers(ModifierFlags fromCommandLine = {})
        : fromCommandLine_(fromCommandLine) {}
    ModifierFlags held() const override;

private:
    ModifierFlags fromCommandLine_;
};

} // namespace platform::xdg
