// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/JsonCoding.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace shortcuts {

// A key with modifiers, in the classic encoding that stored shortcuts keep on
// every platform: a virtual key code (platform/KeyCodes.h) and the classic
// modifier mask (command 0x100, shift 0x200, option 0x800, control 0x1000).
struct Shortcut {
    std::int64_t carbonKeyCode = 0;
    std::int64_t carbonModifiers = 0;

    // The modifiers as event flags (command 0x100000, shift 0x20000, option
    // 0x80000, control 0x40000); other bits are dropped.
    static std::uint64_t eventFlags(std::int64_t carbonModifiers);
    static std::int64_t carbonModifiersFrom(std::uint64_t eventFlags);
    // Only the four modifiers a shortcut can hold: the mask through event
    // flags and back.
    static std::int64_t normalized(std::int64_t carbonModifiers) {
        return carbonModifiersFrom(eventFlags(carbonModifiers));
    }

    // How a user reads it, as "Ctrl+Shift+K"; Command is the Super key.
    QString displayText() const;

    static constexpr auto jsonFields() {
        return std::tuple{Defaults::jsonField("carbonKeyCode", &Shortcut::carbonKeyCode),
                          Defaults::jsonField("carbonModifiers", &Shortcut::carbonModifiers)};
    }
    friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

// A shortcut's identity in the preferences, with the shortcut it has until the
// user changes it.
struct Name {
    QString rawValue;
    std::optional<Shortcut> defaultShortcut;
};

} // namespace shortcuts
