// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/sim/SimMenuDescription.h"

namespace platform::sim {

namespace {

QString fontName(FontStyle font) {
    switch (font) {
    case FontStyle::System:
        return QStringLiteral("system");
    case FontStyle::SmallSystem:
        return QStringLiteral("small");
    case FontStyle::Italic:
        return QStringLiteral("italic");
    case FontStyle::Monospace:
        return QStringLiteral("monospace");
    }
    return {};
}

QString keyEquivalent(const MenuItem& item) {
    QString text;
    const ModifierFlags modifiers = item.keyModifiers();
    if (modifiers.testFlag(ModifierKey::Control))
        text += QStringLiteral("⌃");
    if (modifiers.testFlag(ModifierKey::Option))
        text += QStringLiteral("⌥");
    if (modifiers.testFlag(ModifierKey::Shift))
        text += QStringLiteral("⇧");
    if (modifiers.testFlag(ModifierKey::Command))
        text += QStringLiteral("⌘");
    return text + item.keyEquivalent();
}

QString describeItem(const MenuItem& item) {
    if (item.isSeparator())
        return QStringLiteral("---");
    QStringList traits;
    if (!item.isEnabled())
        traits.append(QStringLiteral("disabled"));
    if (item.isChecked())
        traits.append(QStringLiteral("checked"));
    if (item.isHidden())
        traits.append(QStringLiteral("hidden"));
    if (!item.keyEquivalent().isEmpty())
        traits.append(keyEquivalent(item));
    if (item.attributedTitle() && item.attributedTitle()->font)
        traits.append(fontName(*item.attributedTitle()->font));
    if (item.submenu())
        traits.append(QStringLiteral("submenu"));
    if (traits.isEmpty())
        return item.displayedText();
    return item.displayedText() + QStringLiteral(" (") + traits.join(QStringLiteral(", ")) +
           QLatin1Char(')');
}

} // namespace

QStringList describeMenu(const Menu& menu) {
    QStringList lines;
    for (const auto& item : menu.items())
        lines.append(describeItem(*item));
    return lines;
}

} // namespace platform::sim
