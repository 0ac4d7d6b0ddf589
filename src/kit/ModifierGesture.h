// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Modifiers.h"

namespace kit {

// Start-up gestures: sets of modifier keys held while the application starts.
inline constexpr platform::ModifierFlags debugModeGesture =
    platform::ModifierKey::Shift | platform::ModifierKey::Control;
inline constexpr platform::ModifierFlags supportWindowGesture =
    debugModeGesture | platform::ModifierKey::Option;
inline constexpr platform::ModifierFlags dataDeletionGesture =
    supportWindowGesture | platform::ModifierKey::Command;

// True when `held` is exactly `gesture`. Caps Lock, the numeric-pad flag and Fn
// say nothing about what the user means and are left out; any other key that
// is not part of the gesture (Help too) breaks it.
inline bool holdsExactly(platform::ModifierFlags held, platform::ModifierFlags gesture) {
    constexpr platform::ModifierFlags ignored = platform::ModifierKey::CapsLock |
                                                platform::ModifierKey::NumericPad |
                                                platform::ModifierKey::Function;
    return (held & ~ignored) == gesture;
}

} // namespace kit
