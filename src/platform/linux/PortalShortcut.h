// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

#include <cstdint>

namespace platform::xdg {

// A shortcut as the GlobalShortcuts portal speaks of it: an identifier of
// ours and its options ("description", "preferred_trigger").
struct PortalShortcut {
    QString id;
    QVariantMap options;
};

// The identifier a combination is bound under; the same combination keeps it
// across launches, so the desktop remembers what the user chose for it.
QString portalShortcutId(std::uint32_t keyCode, std::uint32_t modifiers);
// The combination as the portal's preferred trigger ("CTRL+SHIFT+k"); empty
// for a key without a name there, which leaves the choice to the desktop.
QString portalTrigger(std::uint32_t keyCode, std::uint32_t modifiers);
// What the desktop shows beside it ("Ctrl+Shift+K").
QString portalDescription(std::uint32_t keyCode, std::uint32_t modifiers);

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut);

// Makes a(sa{sv}) known to Qt's D-Bus; safe to call again.
void registerPortalShortcutTypes();

} // namespace platform::xdg

Q_DECLARE_METATYPE(platform::xdg::PortalShortcut)
