// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

namespace e2e {

// The boxes of the glyphs that appeared in `area` between `before` and `now`,
// left to right: runs of columns, a few pixels apart at most, with pixels
// other than the background where something changed.
QList<QRect> glyphsIn(const QImage& before, const QImage& now, const QRect& area);

// Which separator character a glyph's box has the shape of: "|" (tall),
// "—" (wide) or "·" (neither).
QString shapeOf(const QRect& glyph);

// Whether a pixel has the plain red of another program's item, and whether
// a glyph shows any.
bool isRed(QRgb pixel);
bool showsRed(const QImage& screen, const QRect& glyph);

// Whether something the size of a menu appeared outside the panel.
bool menuShown(const QImage& before, const QImage& now, const QRect& panel);

// How well a glyph stands out from the panel around it: the contrast ratio of
// its most distinct pixel against the colour most of its surroundings have.
double glyphContrast(const QImage& screen, const QRect& glyph, const QRect& panel);

} // namespace e2e
