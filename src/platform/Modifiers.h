// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QFlags>

namespace platform {

// The modifier keys of the keyboard, independent of the device and its layout.
enum class ModifierKey : unsigned {
    CapsLock = 1u << 0,
    Shift = 1u << 1,
    Control = 1u << 2,
    Option = 1u << 3,
    Command = 1u << 4,
    NumericPad = 1u << 5,
    Help = 1u << 6,
    Function = 1u << 7,
};
Q_DECLARE_FLAGS(ModifierFlags, ModifierKey)
Q_DECLARE_OPERATORS_FOR_FLAGS(ModifierFlags)

// The modifier keys the user holds at this moment.
class Modifiers {
public:
    virtual ~Modifiers() = default;
    virtual ModifierFlags held() const = 0;
};

} // namespace platform
