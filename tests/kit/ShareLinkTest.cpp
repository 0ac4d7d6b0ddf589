// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ShareLink.h"
#include "kit/CopyUrl.h"
#include "kit/QrCode.h"

#include <gtest/gtest.h>

namespace {

TEST(ShareLink, TakesTheStorePageThenTheWebsiteThenTheMakersAppsPage) {
    const QUrl website(QStringLiteral("https://gapsel.app/"));
    const QString storeId = QStringLiteral("com.gapsel.Gapsel");
    struct Case {
        kit::Metadata metadata;
        QString link;
    };
    for (const Case& c : {
             Case{{website, storeId}, QStringLiteral("https://flathub.org/apps/com.gapsel.Gapsel")},
             Case{{website, QStringLiteral("org.example.Unknown")}, website.toString()},
             Case{{website, std::nullopt}, website.toString()},
             Case{{std::nullopt, std::nullopt}, QStringLiteral("https://gapsel.app/apps")},
         })
        EXPECT_EQ(kit::shareLink(c.metadata).toString(), c.link);
}

TEST(QrCode, EncodesLatin1TextOnlyAndLeavesAnythingElseEmpty) {
    const QString link = QStringLiteral("https://flathub.org/apps/com.gapsel.Gapsel");
    const auto medium = kit::QrCode::encode(link, kit::QrErrorCorrection::Medium);
    EXPECT_EQ(medium.size(), 29);
    EXPECT_GT(kit::QrCode::encode(link, kit::QrErrorCorrection::High).size(), medium.size());
    // The finder pattern's corner modules are dark.
    EXPECT_TRUE(medium.isDark(0, 0));
    EXPECT_TRUE(medium.isDark(28, 0));
    EXPECT_FALSE(
        kit::QrCode::encode(QStringLiteral("caf\u00e9"), kit::QrErrorCorrection::Medium).isEmpty());
    EXPECT_TRUE(
        kit::QrCode::encode(QStringLiteral("5 \u20ac"), kit::QrErrorCorrection::Medium).isEmpty());
    EXPECT_TRUE(kit::QrCode::encode(QString(), kit::QrErrorCorrection::Medium).isEmpty());
}

TEST(QrCode, WholePixelModulesWithTheQuietZoneCentredInTheSquare) {
    const kit::QrPlacement placed = kit::placeQrCode(29, 300);
    EXPECT_EQ(placed.modulePixels, 8);
    EXPECT_EQ(placed.origin, 34);
    EXPECT_GE(placed.origin, kit::QrCode::quietZone * placed.modulePixels);
}

TEST(CopyUrl, OffersTheAddressAsUriAndTextMarkedWithItsSource) {
    const QString id = QStringLiteral("com.gapsel.Gapsel");
    const QString source = QString::fromLatin1(platform::pasteboardType::source);
    const auto web = kit::pasteboardItem(QUrl(QStringLiteral("https://gapsel.app/a b")), id);
    EXPECT_EQ(web, (QMap<QString, QByteArray>{
                       {QStringLiteral("text/uri-list"), "https://gapsel.app/a%20b\r\n"},
                       {QStringLiteral("text/plain"), "https://gapsel.app/a%20b"},
                       {source, "com.gapsel.Gapsel"}}));
    const auto mail = kit::pasteboardItem(QUrl(QStringLiteral("mailto:hi@gapsel.app")), id);
    EXPECT_EQ(mail.value(QStringLiteral("text/plain")), "hi@gapsel.app");
    const auto file = kit::pasteboardItem(QUrl::fromLocalFile(QStringLiteral("/tmp/x y")), id);
    EXPECT_EQ(file.value(QStringLiteral("text/plain")), "/tmp/x y");
    EXPECT_EQ(file.value(QStringLiteral("text/uri-list")), "file:///tmp/x%20y\r\n");
}

} // namespace
