// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// Separators placed in XFCE's real status tray: the menu's placement entries
// reorder the panel's known items, the panel shows the new order, and the
// order outlives the panel.

#include "DesktopTest.h"
#include "GapselProcess.h"
#include "OtherTrayItem.h"
#include "defaults/PropertyList.h"
#include "platform/linux/tray/XfconfStringArray.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr int panelHeight = 32;
const QString otherId = QStringLiteral("e2e-other");
const QString otherTitle = QStringLiteral("Other Program");

QStringList storedIds(const QString& configHome) {
    QFile file(configHome + QStringLiteral("/" GAPSEL_BUNDLE_ID ".plist"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto root = PropertyList::parse(file.readAll());
    QStringList ids;
    for (const QVariant& record :
         root ? root->value(QStringLiteral("separators")).toList() : QVariantList{})
        ids.append(QJsonDocument::fromJson(record.toString().toUtf8())
                       .object()
                       .value(QStringLiteral("id"))
                       .toString());
    return ids;
}

// Pixels of the panel that stand out from its background (the colour most of
// it has) and are not the other item's red, right and left of that red.
struct InkAroundOther {
    int left = 0;
    int right = 0;
    bool otherShown = false;
};

InkAroundOther inkAroundOther(const QImage& screen) {
    QHash<QRgb, int> counts;
    int redLeft = screen.width();
    int redRight = -1;
    for (int y = 0; y < panelHeight; ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const QRgb pixel = screen.pixel(x, y);
            ++counts[pixel];
            if (pixel == e2e::OtherTrayItem::colour()) {
                redLeft = std::min(redLeft, x);
                redRight = std::max(redRight, x);
            }
        }
    const QRgb background = std::max_element(counts.cbegin(), counts.cend()) == counts.cend()
                                ? 0
                                : std::max_element(counts.cbegin(), counts.cend()).key();
    InkAroundOther ink;
    ink.otherShown = redRight >= 0;
    for (int y = 0; y < panelHeight; ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const QRgb pixel = screen.pixel(x, y);
            if (qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80)
                continue;
            if (std::abs(qGray(pixel) - qGray(background)) <= 40)
                continue;
            if (x < redLeft)
                ++ink.left;
            else if (x > redRight)
                ++ink.right;
        }
    return ink;
}

void saveScreenshot(const QImage& screen, const QString& name) {
    const QString folder = QStringLiteral(GAPSEL_E2E_OUTPUT_DIR);
    QDir().mkpath(folder);
    constexpr int scale = 4;
    screen.copy(0, 0, 200, panelHeight)
        .scaled(200 * scale, panelHeight * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

class PlacementInXfce : public e2e::DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        other.emplace(desktop.environment().value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")),
                      otherId, otherTitle);
        ASSERT_TRUE(eventually([&] { return known().contains(otherId); }));
        ASSERT_TRUE(gapsel.start(desktop.environment()));
    }

    void TearDown() override {
        gapsel.stop();
        other.reset();
    }

    QStringList known() const {
        return platform::xdg::XfconfStringArray(desktop.bus(), QStringLiteral("xfce4-panel"),
                                                QStringLiteral("/plugins/plugin-1/known-items"))
            .read()
            .value_or(QStringList());
    }
    QStringList stored() const { return storedIds(desktop.configHome()); }
    // The panel shows the other item with this much separator ink on its right.
    bool showsInkRightOfOther(bool expected) {
        return eventually([&] {
            const InkAroundOther ink = inkAroundOther(desktop.screenshot());
            return ink.otherShown && ink.left > 0 && (ink.right > 0) == expected;
        });
    }

    std::optional<e2e::OtherProgram> other;
    e2e::GapselProcess gapsel;
};

TEST_F(PlacementInXfce, MenuEntriesReorderKnownItemsAndTheOrderOutlivesThePanel) {
    ASSERT_TRUE(eventually([&] { return stored().size() == 1 && known().size() == 2; }));
    // "New" places each new separator right after the one whose menu was used.
    for (int made = 1; made < 3; ++made) {
        QString source;
        ASSERT_TRUE(eventually([&] {
            source = serviceWithId(stored().last());
            return !source.isEmpty();
        }));
        ASSERT_TRUE(host->choose(source, QStringLiteral("New")));
        ASSERT_TRUE(eventually([&] { return stored().size() == made + 1; }));
    }
    const QStringList ids = stored();
    const QString a = ids[0], b = ids[1], c = ids[2];
    ASSERT_TRUE(eventually([&] {
        return known() == QStringList{a, b, c, otherId};
    })) << known().join(QLatin1Char(' ')).toStdString();
    ASSERT_TRUE(eventually([&] { return host->itemServices().size() == 4; }));
    EXPECT_TRUE(showsInkRightOfOther(false));

    ASSERT_TRUE(host->choose(serviceWithId(c), QStringLiteral("Move Right")));
    EXPECT_TRUE(eventually([&] { return known() == QStringList{a, b, otherId, c}; }));
    EXPECT_TRUE(showsInkRightOfOther(true));
    saveScreenshot(desktop.screenshot(), QStringLiteral("placement-moved-right"));

    ASSERT_TRUE(host->choose(serviceWithId(c), QStringLiteral("Move Left")));
    EXPECT_TRUE(eventually([&] { return known() == QStringList{a, b, c, otherId}; }));
    EXPECT_TRUE(showsInkRightOfOther(false));
    saveScreenshot(desktop.screenshot(), QStringLiteral("placement-moved-left"));

    ASSERT_TRUE(host->chooseNested(serviceWithId(a), {QStringLiteral("Place After"), otherTitle}));
    EXPECT_TRUE(eventually([&] { return known() == QStringList{b, c, otherId, a}; }));
    EXPECT_TRUE(showsInkRightOfOther(true));
    saveScreenshot(desktop.screenshot(), QStringLiteral("placement-after-other"));

    const QString failure = desktop.restartHost();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    ASSERT_TRUE(eventually([&] { return host->itemServices().size() == 4; }));
    EXPECT_EQ(known(), (QStringList{b, c, otherId, a}));
    EXPECT_TRUE(showsInkRightOfOther(true));
    saveScreenshot(desktop.screenshot(), QStringLiteral("placement-after-panel-restart"));
    EXPECT_TRUE(gapsel.running());
}

} // namespace
