// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace e2e {

// A separator as Gapsel keeps it in its preferences file.
struct StoredSeparator {
    QString id;
    QString character;
};

// Gapsel's preferences file below `configHome`, and what it holds.
QString preferencesFile(const QString& configHome);
QVariantMap preferences(const QString& configHome);

// The separators in the preferences file below `configHome`, in list order.
QList<StoredSeparator> storedSeparators(const QString& configHome);

// Writes a preferences file with one separator per character, in this order,
// past the first launch, whose greeting would stand over the tray (Plasma,
// with no window manager here, leaves its panel undrawn while it shows).
QList<StoredSeparator> seedSeparators(const QString& configHome, const QStringList& characters);

} // namespace e2e
