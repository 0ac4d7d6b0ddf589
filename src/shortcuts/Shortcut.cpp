// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "shortcuts/Shortcut.h"

#include "platform/KeyCodes.h"

#include <array>
#include <utility>

namespace shortcuts {

namespace {

struct ModifierBits {
    std::uint32_t classic;
    std::uint64_t eventFlag;
    const char* label;
};

// In the order a user reads them.
constexpr std::array modifierBits = {
    ModifierBits{platform::ClassicModifier::control, 0x40000, "Ctrl"},
    ModifierBits{platform::ClassicModifier::option, 0x80000, "Alt"},
    ModifierBits{platform::ClassicModifier::shift, 0x20000, "Shift"},
    ModifierBits{platform::ClassicModifier::command, 0x100000, "Super"},
};

} // namespace

std::uint64_t Shortcut::eventFlags(std::int64_t carbonModifiers) {
    std::uint64_t flags = 0;
    for (const ModifierBits& bits : modifierBits)
        if ((carbonModifiers & bits.classic) != 0)
            flags |= bits.eventFlag;
    return flags;
}

std::int64_t Shortcut::carbonModifiersFrom(std::uint64_t eventFlags) {
    std::int64_t modifiers = 0;
    for (const ModifierBits& bits : modifierBits)
        if ((eventFlags & bits.eventFlag) != 0)
            modifiers |= bits.classic;
    return modifiers;
}

QString Shortcut::displayText() const {
    QStringList parts;
    for (const ModifierBits& bits : modifierBits)
        if ((carbonModifiers & bits.classic) != 0)
            parts << QString::fromLatin1(bits.label);
    const auto key = platform::keyForClassicCode(static_cast<std::uint32_t>(carbonKeyCode));
    parts << (key ? QString::fromUtf8(key->label.data(), qsizetype(key->label.size()))
                  : QStringLiteral("#%1").arg(carbonKeyCode));
    return parts.join(u'+');
}

} // namespace shortcuts
