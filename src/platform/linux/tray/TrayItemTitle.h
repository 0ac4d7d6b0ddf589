// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

namespace platform::xdg {

// The title and tool tip hosts show for an item whose face is `glyph`: what
// the item is (`kind`, e.g. "Gapsel separator"), then the glyph by its name
// ("Gapsel separator: em dash"). A glyph without a name here is quoted,
// blanks and all.
QString trayItemTitle(const QString& kind, const QString& glyph);

} // namespace platform::xdg
