// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TitleIcon.h"
#include "platform/linux/tray/DBusTypes.h"

#include <gtest/gtest.h>

using platform::xdg::TitleIcon;

namespace {

// The strongest alpha in the image: 0 for a blank gap.
int strongestAlpha(const QImage& image) {
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    int strongest = 0;
    for (int y = 0; y < straight.height(); ++y)
        for (int x = 0; x < straight.width(); ++x)
            strongest = std::max(strongest, qAlpha(straight.pixel(x, y)));
    return strongest;
}

TEST(TitleIcon, BlanksDrawATransparentGapAndATabIsTwiceAsWide) {
    for (int height : TitleIcon::heights()) {
        const QImage space = TitleIcon(QStringLiteral(" "), false).render(height);
        const QImage tab = TitleIcon(QStringLiteral("\t"), false).render(height);
        EXPECT_EQ(space.height(), height);
        EXPECT_EQ(space.width(), height);
        EXPECT_EQ(tab.width(), 2 * height);
        EXPECT_EQ(strongestAlpha(space), 0);
        EXPECT_EQ(strongestAlpha(tab), 0);
    }
}

TEST(TitleIcon, EveryGlyphCharacterHasInkInTheGlyphColour) {
    for (const QString& character : {QStringLiteral("·"), QStringLiteral("•"), QStringLiteral("|"),
                                     QStringLiteral("-"), QStringLiteral("—")}) {
        const QImage image = TitleIcon(character, false).render(22);
        EXPECT_EQ(image.height(), 22) << character.toStdString();
        EXPECT_GE(image.width(), 22) << character.toStdString();
        EXPECT_GT(strongestAlpha(image), 200) << character.toStdString();
        const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
        bool inkIsGrey = true;
        for (int y = 0; y < straight.height(); ++y)
            for (int x = 0; x < straight.width(); ++x)
                if (qAlpha(straight.pixel(x, y)) == 255)
                    inkIsGrey = inkIsGrey && QColor(straight.pixel(x, y)).rgb() ==
                                                 TitleIcon::glyphColour().rgb();
        EXPECT_TRUE(inkIsGrey) << character.toStdString();
    }
}

TEST(TitleIcon, ADimmedTitleIsDrawnFainter) {
    const int normal = strongestAlpha(TitleIcon(QStringLiteral("—"), false).render(32));
    const int dimmed = strongestAlpha(TitleIcon(QStringLiteral("—"), true).render(32));
    EXPECT_GT(dimmed, 0);
    EXPECT_NEAR(dimmed, normal * TitleIcon::dimmedOpacity, 3);
    EXPECT_EQ(TitleIcon(QStringLiteral(" "), true).renderAll().size(), TitleIcon::heights().size());
}

TEST(DBusImage, PixelsTravelAsStraightArgbInNetworkByteOrder) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0x11, 0x22, 0x33, 0x80));
    image.setPixel(1, 0, qRgba(0xff, 0x00, 0x00, 0xff));
    const auto wire =
        platform::xdg::toDBusImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_EQ(wire.width, 2);
    EXPECT_EQ(wire.height, 1);
    // Half-transparent pixels keep their colour (not premultiplied), give or
    // take the rounding of the premultiplied round trip.
    ASSERT_EQ(wire.pixels.size(), 8);
    EXPECT_EQ(static_cast<uchar>(wire.pixels[0]), 0x80);
    EXPECT_NEAR(static_cast<uchar>(wire.pixels[1]), 0x11, 1);
    EXPECT_NEAR(static_cast<uchar>(wire.pixels[2]), 0x22, 1);
    EXPECT_NEAR(static_cast<uchar>(wire.pixels[3]), 0x33, 1);
    EXPECT_EQ(wire.pixels.mid(4), QByteArray::fromHex("ffff0000"));

    const QImage back = platform::xdg::fromDBusImage(wire);
    EXPECT_EQ(back.pixel(1, 0), qRgba(0xff, 0x00, 0x00, 0xff));
    EXPECT_TRUE(platform::xdg::fromDBusImage({2, 2, QByteArray(8, 0)}).isNull());
}

} // namespace
