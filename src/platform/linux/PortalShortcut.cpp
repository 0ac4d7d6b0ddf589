// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/PortalShortcut.h"

#include "platform/KeyCodes.h"
#include "platform/linux/tray/DBusTypes.h"

#include <QDBusMetaType>
#include <QStringList>

#include <array>
#include <utility>

namespace platform::xdg {

namespace {

struct ModifierName {
    std::uint32_t classic;
    const char* trigger;
    const char* shown;
};

// In the order the desktops show them.
constexpr std::array modifierNames = {
    ModifierName{ClassicModifier::control, "CTRL", "Ctrl"},
    ModifierName{ClassicModifier::option, "ALT", "Alt"},
    ModifierName{ClassicModifier::shift, "SHIFT", "Shift"},
    ModifierName{ClassicModifier::command, "LOGO", "Super"},
};

// The keysym names of the keys that are not letters, digits or function keys.
constexpr std::array<std::pair<std::uint32_t, const char*>, 25> keysymNames = {{
    {0x20, "space"},       {0x27, "apostrophe"}, {0x2c, "comma"},        {0x2d, "minus"},
    {0x2e, "period"},      {0x2f, "slash"},      {0x3b, "semicolon"},    {0x3d, "equal"},
    {0x5b, "bracketleft"}, {0x5c, "backslash"},  {0x5d, "bracketright"}, {0x60, "grave"},
    {0xff08, "BackSpace"}, {0xff09, "Tab"},      {0xff0d, "Return"},     {0xff1b, "Escape"},
    {0xff50, "Home"},      {0xff51, "Left"},     {0xff52, "Up"},         {0xff53, "Right"},
    {0xff54, "Down"},      {0xff55, "Page_Up"},  {0xff56, "Page_Down"},  {0xff57, "End"},
    {0xffff, "Delete"},
}};

QString keysymName(std::uint32_t keysym) {
    if ((keysym >= '0' && keysym <= '9') || (keysym >= 'a' && keysym <= 'z'))
        return QString(QChar(char16_t(keysym)));
    constexpr std::uint32_t f1 = 0xffbe, f20 = 0xffd1;
    if (keysym >= f1 && keysym <= f20)
        return QStringLiteral("F%1").arg(keysym - f1 + 1);
    for (const auto& [named, name] : keysymNames)
        if (named == keysym)
            return QString::fromLatin1(name);
    return {};
}

QStringList modifierWords(std::uint32_t modifiers, bool shown) {
    QStringList words;
    for (const ModifierName& name : modifierNames)
        if (modifiers & name.classic)
            words.append(QString::fromLatin1(shown ? name.shown : name.trigger));
    return words;
}

} // namespace

QString portalShortcutId(std::uint32_t keyCode, std::uint32_t modifiers) {
    return QStringLiteral("shortcut-%1-%2").arg(keyCode, 0, 16).arg(modifiers, 0, 16);
}

QString portalTrigger(std::uint32_t keyCode, std::uint32_t modifiers) {
    const auto key = keyForClassicCode(keyCode);
    const QString name = key && !key->keypad ? keysymName(key->keysym) : QString();
    if (name.isEmpty())
        return {};
    return (modifierWords(modifiers, false) << name).join(QLatin1Char('+'));
}

QString portalDescription(std::uint32_t keyCode, std::uint32_t modifiers) {
    const auto key = keyForClassicCode(keyCode);
    const QString label = key ? QString::fromUtf8(key->label.data(), qsizetype(key->label.size()))
                              : QString::number(keyCode);
    return (modifierWords(modifiers, true) << label).join(QLatin1Char('+'));
}

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    return writeStructure(argument, shortcut.id, shortcut.options);
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    return readStructure(argument, shortcut.id, shortcut.options);
}

void registerPortalShortcutTypes() {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
}

} // namespace platform::xdg
