// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QHash>
#include <QString>

namespace platform::xdg {

// A KDE configuration file's text by group: "[Containments][7][General]"
// headers, as written, to their key=value lines.
using KdeConfigGroups = QHash<QString, QHash<QString, QString>>;
KdeConfigGroups readKdeConfig(const QString& text);

// The text of a file in the user's configuration folder; empty when it
// cannot be read.
QString userConfigText(const QString& name);

} // namespace platform::xdg
