// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TitleIcon.h"
#include "platform/linux/tray/DBusTypes.h"
#include "e2e/TrayPicture.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using platform::xdg::TitleIcon;

namespace {

bool isBlank(const QImage& image) {
    QImage transparent(image.size(), image.format());
    transparent.fill(Qt::transparent);
    return image == transparent;
}

TEST(TitleIcon, BlanksDrawATransparentGapATabIsTwiceAsWideAndALongTitleIsCut) {
    for (int height : TitleIcon::heights()) {
        const QImage space = TitleIcon(u" "_s, false).render(height);
        const QImage tab = TitleIcon(u"\t"_s, false).render(height);
        EXPECT_EQ(space.size(), QSize(height, height));
        EXPECT_EQ(tab.size(), QSize(2 * height, height));
        EXPECT_TRUE(isBlank(space)) << height;
        EXPECT_TRUE(isBlank(tab)) << height;
    }

    // A long title is cut to sixteen characters, and its icon stays small.
    const QString dashes(5000, QChar(0x2014));
    EXPECT_EQ(TitleIcon::bounded(dashes), QString(16, QChar(0x2014)) + QChar(0x2026));
    // A letter with its accent is one character.
    const QString accented =
        QString(20, QLatin1Char('e')).replace(QLatin1String("e"), u"e\u0301"_s);
    EXPECT_EQ(TitleIcon::bounded(accented).size(), 33);
    EXPECT_EQ(TitleIcon::bounded(u"|"_s), u"|"_s);
    EXPECT_LE(TitleIcon(TitleIcon::bounded(dashes), false).render(48).width(), 48 * 17);
}

// The strongest contrast of any pixel of the image laid on a panel of the
// given colour, as the end-to-end tests read it off the screen.
double contrastOn(const QImage& image, QColor panel) {
    QImage onPanel(image.size() + QSize(16, 16), QImage::Format_RGB32);
    onPanel.fill(panel);
    QPainter(&onPanel).drawImage(8, 8, image);
    return e2e::glyphContrast(onPanel, image.rect().translated(8, 8), onPanel.rect());
}

TEST(TitleIcon, EveryGlyphStandsOutFromDarkLightAndColouredPanelsDimmedOrNot) {
    // XFCE's dark and light panels, a mid grey, Waybar's bar and its blue tray.
    const QColor panels[] = {QColor(0x2b, 0x2b, 0x2b), QColor(0xf0, 0xf0, 0xf0),
                             QColor(128, 128, 128), QColor(0x2b, 0x30, 0x3b),
                             QColor(0x29, 0x80, 0xb9)};
    for (const QString& character : {u"·"_s, u"•"_s, u"|"_s, u"-"_s, u"—"_s, u"x"_s})
        for (int height : {16, 22}) {
            const QImage normal = TitleIcon(character, false).render(height);
            const QImage dimmed = TitleIcon(character, true).render(height);
            EXPECT_GE(normal.width(), height);
            for (const QColor& panel : panels) {
                const std::string what =
                    character.toStdString() + " on " + panel.name().toStdString();
                EXPECT_GE(contrastOn(normal, panel), 3.0) << what;
                EXPECT_GE(contrastOn(dimmed, panel), 2.0) << what;
                EXPECT_LT(contrastOn(dimmed, panel), contrastOn(normal, panel)) << what;
            }
        }
}

TEST(DBusImage, PixelsTravelAsStraightArgbInNetworkByteOrder) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0x11, 0x22, 0x33, 0x80));
    image.setPixel(1, 0, qRgba(0xff, 0x00, 0x00, 0xff));
    const auto wire =
        platform::xdg::toDBusImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_EQ(QSize(wire.width, wire.height), QSize(2, 1));
    // Half-transparent pixels keep their colour (not premultiplied), give or
    // take the rounding of the premultiplied round trip.
    ASSERT_EQ(wire.pixels.size(), 8);
    EXPECT_EQ(static_cast<uchar>(wire.pixels[0]), 0x80);
    for (int channel = 1; channel < 4; ++channel)
        EXPECT_NEAR(static_cast<uchar>(wire.pixels[channel]), 0x11 * channel, 1) << channel;
    EXPECT_EQ(wire.pixels.mid(4), QByteArray::fromHex("ffff0000"));
}

} // namespace
