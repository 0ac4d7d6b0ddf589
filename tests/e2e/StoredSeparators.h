// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace e2e {

class VirtualDesktop;

// A separator as Gapsel keeps it in its preferences file.
struct StoredSeparator {
    QString id;
    QString character;
};

// Gapsel's preferences file below `configHome`, and what it holds.
QString preferencesFile(const QString& configHome);
QVariantMap preferences(const QString& configHome);

// Sets one of Gapsel's preferences on the desktop as a user does, with
// gapsel-defaults ("key -type value"): what failed, or nothing.
QString writePreference(const VirtualDesktop& desktop, const QString& keyTypeValue);

// Stores these separators, in this order, as the list the menu's entries
// write: what failed, or nothing.
QString writeSeparators(const VirtualDesktop& desktop, const QList<StoredSeparator>& separators);

// The separators in the preferences file below `configHome`, in list order.
QList<StoredSeparator> storedSeparators(const QString& configHome);

// Stores one separator per character, in this order, with gapsel-defaults,
// past the first launch, whose greeting would stand over the tray (Plasma,
// with no window manager here, leaves its panel undrawn while it shows).
QList<StoredSeparator> seedSeparators(const VirtualDesktop& desktop, const QStringList& characters);

} // namespace e2e
