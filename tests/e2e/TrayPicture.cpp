// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "TrayPicture.h"

#include <QHash>

#include <cmath>

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

// The rows of `column` within `area` that changed, as a vertical span; an
// invalid rectangle when none did.
QRect changedSpan(const QImage& before, const QImage& now, const QRect& area, int column) {
    QRect span;
    for (int y = area.top(); y <= area.bottom(); ++y)
        if (differs(before.pixel(column, y), now.pixel(column, y)))
            span |= QRect(column, y, 1, 1);
    return span;
}

double channelLuminance(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(QRgb colour) {
    return 0.2126 * channelLuminance(qRed(colour)) + 0.7152 * channelLuminance(qGreen(colour)) +
           0.0722 * channelLuminance(qBlue(colour));
}

QRgb commonColourAround(const QImage& screen, const QRect& glyph, const QRect& panel) {
    const QRect around =
        glyph.adjusted(-surroundings, -surroundings, surroundings, surroundings) & panel;
    QHash<QRgb, int> counts;
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (!glyph.contains(x, y))
                ++counts[screen.pixel(x, y)];
    QRgb common = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(common))
            common = it.key();
    return common;
}
} // namespace

QList<QRect> glyphsIn(const QImage& before, const QImage& now, const QRect& area) {
    QList<QRect> glyphs;
    if (before.size() != now.size())
        return glyphs;
    const QRect inside = area & now.rect();
    int lastChanged = -glyphGap - 2;
    for (int x = inside.left(); x <= inside.right(); ++x) {
        const QRect span = changedSpan(before, now, inside, x);
        if (!span.isValid())
            continue;
        if (x - lastChanged > glyphGap + 1 || glyphs.isEmpty())
            glyphs.append(span);
        else
            glyphs.back() |= span;
        lastChanged = x;
    }
    return glyphs;
}

QString shapeOf(const QRect& glyph) {
    if (glyph.height() >= 2 * glyph.width())
        return QStringLiteral("|");
    if (glyph.width() >= 2 * glyph.height())
        return QStringLiteral("—");
    return QStringLiteral("·");
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

double contrastRatio(QRgb a, QRgb b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double glyphContrast(const QImage& screen, const QRect& glyph, const QRect& panel) {
    const QRgb background = commonColourAround(screen, glyph, panel);
    double best = 1.0;
    for (int y = glyph.top(); y <= glyph.bottom(); ++y)
        for (int x = glyph.left(); x <= glyph.right(); ++x)
            best = std::max(best, contrastRatio(screen.pixel(x, y), background));
    return best;
}

} // namespace e2e
