// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include <utility>

namespace platform::xdg {

// A status item's title drawn as the icon a tray shows. Trays that show
// icons only see the title this way: its glyphs centred in a transparent
// image as tall as the tray asks for. A title of blanks (a space, a tab) draws
// an empty gap; a tab's gap is twice as wide, for trays that keep the
// image's aspect ratio. The separator characters (a dot, a bullet, a vertical
// line, a hyphen, an em dash) are drawn as shapes on whole pixels: crisp at
// tray sizes, and without loading any font. Other text is drawn in the
// application font.
//
// Trays do not recolour pixmaps and panels come light, dark and coloured, so
// a glyph is drawn near-white inside a thin near-black outline: one of the two
// stands out from any panel (at least 3:1; dimmed at least 2:1).
class TitleIcon {
public:
    static QColor glyphColour() { return QColor(250, 250, 250); }
    static QColor outlineColour() { return QColor(20, 20, 20); }
    // The heights drawn for a tray to choose from.
    static QList<int> heights() { return {16, 22, 24, 32, 48}; }
    // How strongly a dimmed title is drawn.
    static constexpr double dimmedOpacity = 0.5;

    TitleIcon(QString title, bool dimmed)
        : title_(std::move(title))
        , dimmed_(dimmed) {}

    // How many user-perceived characters of a title are shown: a separator
    // is one or two, and a stored title of thousands would make icons and
    // messages too large for the bus.
    static constexpr int maximumCharacters = 16;
    // The title cut to maximumCharacters, ending in an ellipsis if it was cut.
    static QString bounded(const QString& title);

    // The title at one height.
    QImage render(int height) const;
    // The title at every height of heights().
    QList<QImage> renderAll() const;

    // The image drawn at dimmedOpacity, as a dimmed title is.
    static QImage dimmed(const QImage& image);

    // The width of the image at `height`: for blanks one square each (two
    // for a tab), for glyphs a square or wider when they need more room.
    int width(int height) const;

private:
    // The glyph alone, in the glyph colour.
    QImage renderGlyph(int height) const;
    bool isBlank() const { return title_.trimmed().isEmpty(); }

    QString title_;
    bool dimmed_;
};

} // namespace platform::xdg
