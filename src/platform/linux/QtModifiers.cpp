// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/QtModifiers.h"

#include <QGuiApplication>

namespace platform::xdg {

ModifierFlags QtModifiers::held() const {
    const Qt::KeyboardModifiers qt = QGuiApplication::queryKeyboardModifiers();
    ModifierFlags flags;
    flags.setFlag(ModifierKey::Shift, qt.testFlag(Qt::ShiftModifier));
    flags.setFlag(ModifierKey::Control, qt.testFlag(Qt::ControlModifier));
    flags.setFlag(ModifierKey::Option, qt.testFlag(Qt::AltModifier));
    flags.setFlag(ModifierKey::Command, qt.testFlag(Qt::MetaModifier));
    flags.setFlag(ModifierKey::NumericPad, qt.testFlag(Qt::KeypadModifier));
    return flags | fromCommandLine_;
}

} // namespace platform::xdg
