// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "TrayPicture.h"

#include <QHash>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace e2e {

namespace {
// Below this, a difference in a colour channel is the renderer's noise.
constexpr int noise = 24;
// Columns this far apart still belong to one glyph.
constexpr int glyphGap = 2;
// A menu covers at least this many pixels.
constexpr int menuPixels = 400;
// How far around a glyph its surroundings reach.
constexpr int surroundings = 4;

bool differs(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) > noise || std::abs(qGreen(a) - qGreen(b)) > noise ||
           std::abs(qBlue(a) - qBlue(b)) > noise;
}

// The rows of `column` within `area` whose colour is not `background`, as a
// vertical span; an invalid rectangle when there are none.
QRect inkSpan(const QImage& now, QRgb background, const QRect& area, int column) {
    QRect span;
    for (int y = area.top(); y <= area.bottom(); ++y)
        if (differs(now.pixel(column, y), background))
            span |= QRect(column, y, 1, 1);
    return span;
}

// The columns of `area` in which something changed, at the area's full height.
QRect changedColumns(const QImage& before, const QImage& now, const QRect& area) {
    QRect changed;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (differs(before.pixel(x, y), now.pixel(x, y)))
                changed |= QRect(x, area.top(), 1, area.height());
    return changed;
}

// The colour that most pixels of `area` (outside `except`) have, give or take
// the renderer's noise: a translucent panel shades its background a little
// from pixel to pixel, and those shades together outnumber a solid icon.
QRgb commonColour(const QImage& screen, const QRect& area, const QRect& except = {}) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!except.contains(x, y))
                ++counts[screen.pixel(x, y)];
    QRgb common = 0;
    int most = 0;
    for (auto colour = counts.cbegin(); colour != counts.cend(); ++colour) {
        int near = 0;
        for (auto other = counts.cbegin(); other != counts.cend(); ++other)
            if (!differs(colour.key(), other.key()))
                near += other.value();
        if (near > most) {
            most = near;
            common = colour.key();
        }
    }
    return common;
}

double channelLuminance(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(QRgb colour) {
    return 0.2126 * channelLuminance(qRed(colour)) + 0.7152 * channelLuminance(qGreen(colour)) +
           0.0722 * channelLuminance(qBlue(colour));
}

// The contrast ratio (WCAG 2: from 1:1 to 21:1, of relative luminances) of
// two colours.
double contrastRatio(QRgb a, QRgb b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Whether the pixels of `box` in `now` were all there before, somewhere
// along the same rows of `area`: an item the host only moved to make room.
bool movedFromBefore(const QImage& before, const QImage& now, const QRect& box, const QRect& area) {
    for (int left = area.left(); left + box.width() <= area.right() + 1; ++left) {
        if (left == box.left())
            continue;
        bool same = true;
        for (int y = box.top(); same && y <= box.bottom(); ++y)
            for (int x = 0; same && x < box.width(); ++x)
                same = before.pixel(left + x, y) == now.pixel(box.left() + x, y);
        if (same)
            return true;
    }
    return false;
}
} // namespace

QList<QRect> glyphsIn(const QImage& before, const QImage& now, const QRect& area) {
    QList<QRect> glyphs;
    if (before.size() != now.size())
        return glyphs;
    // Where something changed, the colour most pixels have is the panel's
    // (a host may also have changed it, as GNOME's does when leaving its
    // overview, or have drawn a box of its own around the items, as Waybar's);
    // anything else there is ink.
    const QRect changed = changedColumns(before, now, area & now.rect());
    const QRgb background = commonColour(now, changed);
    int lastInk = -glyphGap - 2;
    for (int x = changed.left(); x <= changed.right(); ++x) {
        const QRect span = inkSpan(now, background, changed, x);
        if (!span.isValid())
            continue;
        if (x - lastInk > glyphGap + 1 || glyphs.isEmpty())
            glyphs.append(span);
        else
            glyphs.back() |= span;
        lastInk = x;
    }
    glyphs.removeIf(
        [&](const QRect& glyph) { return movedFromBefore(before, now, glyph, changed); });
    return glyphs;
}

QString shapeOf(const QRect& glyph) {
    if (glyph.height() >= 2 * glyph.width())
        return u"|"_s;
    if (glyph.width() >= 2 * glyph.height())
        return u"—"_s;
    return u"·"_s;
}

bool isRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

bool showsRed(const QImage& screen, const QRect& glyph) {
    for (int y = glyph.top(); y <= glyph.bottom(); ++y)
        for (int x = glyph.left(); x <= glyph.right(); ++x)
            if (isRed(screen.pixel(x, y)))
                return true;
    return false;
}

bool menuShown(const QImage& before, const QImage& now, const QRect& panel) {
    if (before.size() != now.size())
        return false;
    int changed = 0;
    for (int y = 0; y < now.height(); ++y)
        for (int x = 0; x < now.width(); ++x)
            if (!panel.contains(x, y) && differs(before.pixel(x, y), now.pixel(x, y)))
                ++changed;
    return changed >= menuPixels;
}

double glyphContrast(const QImage& screen, const QRect& glyph, const QRect& panel) {
    const QRect around =
        glyph.adjusted(-surroundings, -surroundings, surroundings, surroundings) & panel;
    const QRgb background = commonColour(screen, around, glyph);
    double best = 1.0;
    for (int y = glyph.top(); y <= glyph.bottom(); ++y)
        for (int x = glyph.left(); x <= glyph.right(); ++x)
            best = std::max(best, contrastRatio(screen.pixel(x, y), background));
    return best;
}

} // namespace e2e
