// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ShareLink.h"
#include "kit/CopyUrl.h"
#include "kit/QrCode.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ShareLink, TakesTheStorePageThenTheWebsiteThenTheMakersAppsPage) {
    const QUrl website(u"https://gapsel.app/"_s);
    const QString storeId = u"com.gapsel.Gapsel"_s;
    struct Case {
        kit::Metadata metadata;
        QString link;
    };
    for (const Case& c : {
             Case{{website, storeId}, u"https://flathub.org/apps/com.gapsel.Gapsel"_s},
             Case{{website, u"org.example.Unknown"_s}, website.toString()},
             Case{{website, std::nullopt}, website.toString()},
             Case{{std::nullopt, std::nullopt}, u"https://gapsel.app/apps"_s},
         })
        EXPECT_EQ(kit::shareLink(c.metadata).toString(), c.link);
}

// What the code reads as is proven where the share window is read off the
// screen; here, what it refuses.
TEST(QrCode, EncodesLatin1TextOnlyAndLeavesAnythingElseEmpty) {
    EXPECT_EQ(kit::QrCode::encode(u"https://flathub.org/apps/com.gapsel.Gapsel"_s,
                                  kit::QrErrorCorrection::Medium)
                  .size(),
              29);
    EXPECT_FALSE(kit::QrCode::encode(u"caf\u00e9"_s, kit::QrErrorCorrection::Medium).isEmpty());
    EXPECT_TRUE(kit::QrCode::encode(u"5 \u20ac"_s, kit::QrErrorCorrection::Medium).isEmpty());
    EXPECT_TRUE(kit::QrCode::encode(QString(), kit::QrErrorCorrection::Medium).isEmpty());
}

TEST(QrCode, WholePixelModulesWithTheQuietZoneCentredInTheSquare) {
    const kit::QrPlacement placed = kit::placeQrCode(29, 300);
    EXPECT_EQ(placed.modulePixels, 8);
    EXPECT_EQ(placed.origin, 34);
    EXPECT_GE(placed.origin, kit::QrCode::quietZone * placed.modulePixels);
}

TEST(CopyUrl, OffersTheAddressAsUriAndTextMarkedWithItsSource) {
    const QString id = u"com.gapsel.Gapsel"_s;
    const QString source = QString::fromLatin1(platform::pasteboardType::source);
    const auto web = kit::pasteboardItem(QUrl(u"https://gapsel.app/a b"_s), id);
    EXPECT_EQ(web, (QMap<QString, QByteArray>{{u"text/uri-list"_s, "https://gapsel.app/a%20b\r\n"},
                                              {u"text/plain"_s, "https://gapsel.app/a%20b"},
                                              {source, "com.gapsel.Gapsel"}}));
    const auto mail = kit::pasteboardItem(QUrl(u"mailto:hi@gapsel.app"_s), id);
    EXPECT_EQ(mail.value(u"text/plain"_s), "hi@gapsel.app");
    const auto file = kit::pasteboardItem(QUrl::fromLocalFile(u"/tmp/x y"_s), id);
    EXPECT_EQ(file.value(u"text/plain"_s), "/tmp/x y");
    EXPECT_EQ(file.value(u"text/uri-list"_s), "file:///tmp/x%20y\r\n");
}

} // namespace
