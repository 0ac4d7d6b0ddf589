// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "shortcuts/MenuItemShortcuts.h"

#include "platform/KeyCodes.h"

#include <array>
#include <utility>

namespace shortcuts {

namespace {

using platform::ClassicModifier;
using platform::ModifierKey;

// The menu modifiers other than Command and their classic bits.
constexpr std::array<std::pair<ModifierKey, std::uint32_t>, 3> plainModifiers{{
    {ModifierKey::Control, ClassicModifier::control},
    {ModifierKey::Option, ClassicModifier::option},
    {ModifierKey::Shift, ClassicModifier::shift},
}};

QString labelOf(const platform::KeyCode& key) {
    return QString::fromUtf8(key.label.data(), qsizetype(key.label.size()));
}

// Menus name a key by its character (a letter in lower case) or its name.
std::optional<platform::KeyCode> keyNamed(const QString& keyEquivalent) {
    for (const platform::KeyCode& key : platform::keyCodes)
        if (!key.keypad && labelOf(key).compare(keyEquivalent, Qt::CaseInsensitive) == 0)
            return key;
    return std::nullopt;
}

void collect(const platform::Menu& menu, std::uint32_t commandModifier,
             QList<MenuItemShortcut>& found) {
    for (const auto& item : menu.items()) {
        if (const auto shortcut = shortcutOf(*item, commandModifier))
            found.append({item->displayedText(), *shortcut});
        if (item->submenu())
            collect(*item->submenu(), commandModifier, found);
    }
}

} // namespace

std::optional<Shortcut> shortcutOf(const platform::MenuItem& item, std::uint32_t commandModifier) {
    if (item.keyEquivalent().isEmpty())
        return std::nullopt;
    const auto key = keyNamed(item.keyEquivalent());
    if (!key)
        return std::nullopt;
    std::int64_t modifiers =
        item.keyModifiers().testFlag(ModifierKey::Command) ? commandModifier : 0;
    for (const auto& [menuKey, bit] : plainModifiers)
        if (item.keyModifiers().testFlag(menuKey))
            modifiers |= bit;
    return Shortcut{key->classic, modifiers};
}

QList<MenuItemShortcut> menuItemShortcuts(const platform::Menu& menu,
                                          std::uint32_t commandModifier) {
    QList<MenuItemShortcut> found;
    collect(menu, commandModifier, found);
    return found;
}

void setKeyEquivalent(platform::MenuItem& item, const std::optional<Shortcut>& shortcut,
                      std::uint32_t commandModifier) {
    const auto key = shortcut ? platform::keyForClassicCode(std::uint32_t(shortcut->carbonKeyCode))
                              : std::nullopt;
    platform::ModifierFlags modifiers;
    std::int64_t unshown = shortcut ? Shortcut::normalized(shortcut->carbonModifiers) : 0;
    if (unshown & commandModifier) {
        modifiers |= ModifierKey::Command;
        unshown &= ~std::int64_t(commandModifier);
    }
    for (const auto& [menuKey, bit] : plainModifiers) {
        if (unshown & bit) {
            modifiers |= menuKey;
            unshown &= ~std::int64_t(bit);
        }
    }
    if (!key || key->keypad || unshown != 0) {
        item.setKeyEquivalent({});
        item.setKeyModifiers({});
        return;
    }
    item.setKeyEquivalent(labelOf(*key).toLower());
    item.setKeyModifiers(modifiers);
}

} // namespace shortcuts
