// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TitleIcon.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <optional>

namespace platform::xdg {

namespace {
QFont glyphFont(int height) {
    QFont font;
    font.setPixelSize(std::max(1, height * 3 / 4));
    // Thin strokes (a vertical line, a hyphen) snapped to whole pixels stay
    // crisp at tray sizes instead of smearing over two faint columns.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

enum class Shape { Dot, Bullet, VerticalLine, Hyphen, EmDash };

std::optional<Shape> shapeOf(const QString& title) {
    if (title == QStringLiteral("·"))
        return Shape::Dot;
    if (title == QStringLiteral("•"))
        return Shape::Bullet;
    if (title == QStringLiteral("|"))
        return Shape::VerticalLine;
    if (title == QStringLiteral("-"))
        return Shape::Hyphen;
    if (title == QStringLiteral("—"))
        return Shape::EmDash;
    return std::nullopt;
}

// A rectangle of whole pixels, centred in a square of `side` pixels.
QRect centred(int side, int width, int height) {
    return QRect((side - width) / 2, (side - height) / 2, width, height);
}

// Proportions follow the glyphs of a sans-serif face at three quarters of the
// height, as the font path draws other text.
void drawShape(QPainter& painter, Shape shape, int side) {
    const int stroke = std::max(1, (side + 5) / 11);
    const auto share = [side](double fraction) {
        return std::max(1, static_cast<int>(side * fraction + 0.5));
    };
    switch (shape) {
    case Shape::Dot:
        painter.drawEllipse(centred(side, share(0.18), share(0.18)));
        break;
    case Shape::Bullet:
        painter.drawEllipse(centred(side, share(0.36), share(0.36)));
        break;
    case Shape::VerticalLine:
        painter.fillRect(centred(side, stroke, share(0.75)), painter.brush());
        break;
    case Shape::Hyphen:
        painter.fillRect(centred(side, share(0.3), stroke), painter.brush());
        break;
    case Shape::EmDash:
        painter.fillRect(centred(side, share(0.75), stroke), painter.brush());
        break;
    }
}

int tabCount(const QString& title) {
    return static_cast<int>(title.count(QLatin1Char('\t')));
}
} // namespace

int TitleIcon::width(int height) const {
    if (isBlank()) {
        const auto tabs = tabCount(title_);
        const auto otherBlanks = static_cast<int>(title_.size()) - tabs;
        return height * std::max(1, 2 * tabs + otherBlanks);
    }
    if (shapeOf(title_))
        return height;
    const QFontMetrics metrics(glyphFont(height));
    return std::max(height, metrics.horizontalAdvance(title_) + height / 4);
}

namespace {
// The glyph in the outline colour, grown by `radius` pixels in every direction.
QImage outlineOf(const QImage& glyph, int radius) {
    // Tinted by hand: a painter's fill would start Qt's thread pool.
    QImage shape(glyph.size(), QImage::Format_ARGB32_Premultiplied);
    const QRgb colour = TitleIcon::outlineColour().rgb();
    for (int y = 0; y < glyph.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(glyph.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(shape.scanLine(y));
        for (int x = 0; x < glyph.width(); ++x)
            out[x] =
                qPremultiply(qRgba(qRed(colour), qGreen(colour), qBlue(colour), qAlpha(in[x])));
    }
    QImage outline(glyph.size(), QImage::Format_ARGB32_Premultiplied);
    outline.fill(Qt::transparent);
    QPainter painter(&outline);
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            painter.drawImage(dx, dy, shape);
    return outline;
}
} // namespace

QImage TitleIcon::render(int height) const {
    QImage image(width(height), height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (isBlank())
        return image;
    const QImage glyph = renderGlyph(height);
    QPainter painter(&image);
    painter.setOpacity(dimmed_ ? dimmedOpacity : 1.0);
    // Drawn apart and then together, so that a dimmed glyph's outline does
    // not show through its core.
    QImage whole = outlineOf(glyph, std::max(1, height / 24));
    QPainter(&whole).drawImage(0, 0, glyph);
    painter.drawImage(0, 0, whole);
    return image;
}

QImage TitleIcon::renderGlyph(int height) const {
    QImage image(width(height), height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    if (const auto shape = shapeOf(title_)) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glyphColour());
        drawShape(painter, *shape, height);
        return image;
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = glyphFont(height);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(glyphColour());
    // Whole-pixel origins, for the same reason as the hinting.
    const int x = (image.width() - metrics.horizontalAdvance(title_)) / 2;
    const int baseline = (height + metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(x, baseline, title_);
    return image;
}

QString TitleIcon::bounded(const QString& title) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, title);
    for (int count = 0; count < maximumCharacters; ++count)
        if (finder.toNextBoundary() < 0)
            return title;
    const qsizetype end = finder.position();
    return end >= title.size() ? title : title.left(end) + QStringLiteral("\u2026");
}

QImage TitleIcon::dimmed(const QImage& image) {
    QImage result(image.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setOpacity(dimmedOpacity);
    painter.drawImage(0, 0, image);
    return result;
}

QList<QImage> TitleIcon::renderAll() const {
    QList<QImage> images;
    for (int height : heights())
        images.append(render(height));
    return images;
}

} // namespace platform::xdg
