// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// Separators placed beside another program's item on hosts that order items
// by a rule of their own: XFCE by its record of known items, LXQt by arrival
// (newest rightmost), Plasma by category and title. The order is read from
// the screen.

#include "DesktopTest.h"
#include "StoredSeparators.h"
#include "TrayPicture.h"

#include <algorithm>

namespace {

// The other program's Id and title.
const QString other = QStringLiteral("Other Program");

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

// Stored separators (by default "|", "—" and "·"; with none, Gapsel makes its
// first) and another program's red item, which the tray shows before Gapsel
// starts.
class PlacementBesideOtherItem : public e2e::DesktopTest {
protected:
    explicit PlacementBesideOtherItem(const QString& hostName,
                                      QStringList characters = {QStringLiteral("|"),
                                                                QStringLiteral("—"),
                                                                QStringLiteral("·")})
        : DesktopTest(hostName)
        , characters(std::move(characters)) {}

    void SetUp() override {
        DesktopTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        empty = desktop.settledScreen();
        ASSERT_EQ(desktop.startService(QStringLiteral(OTHER_TRAY_ITEM_EXECUTABLE), {other}),
                  QStringLiteral("shown"));
        ASSERT_TRUE(
            eventually([&] { return orderShown(desktop.screenshot()) == QStringLiteral("R"); }));
        if (!characters.isEmpty())
            separators = e2e::seedSeparators(desktop, characters);
        ASSERT_EQ(separators.size(), characters.size());
        ASSERT_TRUE(gapsel.start(desktop.environment()));
    }

    // The tray's new items from left to right: each separator by its shape,
    // the other program's item as "R".
    QString orderShown(const QImage& screen) const {
        QString order;
        for (const QRect& glyph : e2e::glyphsIn(empty, screen, desktop.host().tray))
            order += showsRed(screen, glyph) ? QStringLiteral("R") : e2e::shapeOf(glyph);
        return order;
    }
    // Waits until the tray shows the items in `expected` order and keeps the
    // screen as `name`; what it showed last.
    QString awaitOrder(const QString& expected, const QString& name) {
        QImage screen;
        QString shown;
        EXPECT_TRUE(eventually([&] {
            screen = desktop.screenshot();
            shown = orderShown(screen);
            return shown == expected && idsInWatcher().size() == 4;
        })) << "shown "
            << shown.toStdString() << " for " << expected.toStdString();
        desktop.saveScreenshot(name, screen);
        return shown;
    }
    QString serviceOf(int separator) const { return serviceWithId(separators.at(separator).id); }
    // Restarts Gapsel (the tray forgets it meanwhile), checks that the tray
    // comes to show `expected` again, keeping the screen as `name`; what it
    // showed last.
    QString restartedOrder(const QString& expected, const QString& name) {
        gapsel.stop();
        if (!eventually([&] { return idsInWatcher() == QStringList{other}; }))
            return QStringLiteral("Gapsel's items stayed in the tray");
        if (!gapsel.start(desktop.environment()))
            return QStringLiteral("Gapsel did not start");
        const QString shown = awaitOrder(expected, name);
        e2e::hostCheck(
            desktop.host().name, "kept", shown == expected,
            QStringLiteral("shown %1 after a restart, expected %2").arg(shown, expected));
        // Screen readers and the tray's settings show each item by its title.
        QStringList titles;
        for (const e2e::StoredSeparator& separator : separators)
            titles.append(host->itemProperty(serviceWithId(separator.id), QStringLiteral("Title"))
                              .toString());
        e2e::hostCheck(desktop.host().name, "titles",
                       std::ranges::all_of(titles,
                                           [](const QString& title) {
                                               return title.contains(QStringLiteral("Gapsel"));
                                           }),
                       titles.join(QStringLiteral(" / ")));
        return shown;
    }

    const QStringList characters;
    QImage empty;
    QList<e2e::StoredSeparator> separators;
    e2e::Program gapsel;
};

class PlacementInXfce : public PlacementBesideOtherItem {
protected:
    PlacementInXfce()
        : PlacementBesideOtherItem(QStringLiteral("xfce"), {}) {}

    // The panel as the other item's red ("R") with light separator ink ("—")
    // left and right of it: XFCE draws its items too close together to tell
    // equal glyphs apart.
    QString inkAroundOther(const QImage& screen) const {
        const QRect panel = desktop.host().panel & screen.rect();
        QRect red;
        QList<int> ink;
        for (int y = panel.top(); y <= panel.bottom(); ++y)
            for (int x = panel.left(); x <= panel.right(); ++x)
                if (isRed(screen.pixel(x, y)))
                    red |= QRect(x, y, 1, 1);
                else if (qGray(screen.pixel(x, y)) > 128)
                    ink.append(x);
        if (red.isEmpty())
            return {};
        QString shown = QStringLiteral("R");
        if (std::ranges::any_of(ink, [&](int x) { return x < red.left(); }))
            shown.prepend(QStringLiteral("—"));
        if (std::ranges::any_of(ink, [&](int x) { return x > red.right(); }))
            shown.append(QStringLiteral("—"));
        return shown;
    }
    // Whether XFCE comes to record the items as `ids` and to show `ink`
    // around the other item; keeps the screen as `name`.
    bool placed(const QStringList& ids, const QString& ink, const QString& name) {
        QImage screen;
        const bool shown = eventually([&] {
            screen = desktop.screenshot();
            return e2e::xfceKnownItems(desktop) == ids && inkAroundOther(screen) == ink;
        });
        desktop.saveScreenshot(name, screen);
        return shown;
    }
};

// The menu's placement entries rewrite XFCE's known items, which the panel
// follows, and the order outlives the panel.
TEST_F(PlacementInXfce, MenuEntriesReorderKnownItemsAndTheOrderOutlivesThePanel) {
    // "New" places each new separator right after the one whose menu was used.
    QList<e2e::StoredSeparator> stored;
    for (int made = 1; made <= 3; ++made) {
        ASSERT_TRUE(eventually([&] {
            stored = e2e::storedSeparators(desktop.configHome());
            return stored.size() == made && !serviceWithId(stored.last().id).isEmpty();
        }));
        if (made < 3) {
            ASSERT_TRUE(host->choose(serviceWithId(stored.last().id), {QStringLiteral("New")}));
        }
    }
    const QString a = stored[0].id, b = stored[1].id, c = stored[2].id;
    const QString after = QStringLiteral("—R—");
    EXPECT_TRUE(placed({a, b, c, other}, QStringLiteral("—R"), QStringLiteral("placement-new")))
        << e2e::xfceKnownItems(desktop).join(QLatin1Char(' ')).toStdString();
    ASSERT_TRUE(host->choose(serviceWithId(a), {QStringLiteral("Place After"), other}));
    EXPECT_TRUE(placed({b, c, other, a}, after, QStringLiteral("placement-after-other")));

    const QString failure = desktop.restartHost();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    EXPECT_TRUE(placed({b, c, other, a}, after, QStringLiteral("placement-after-panel-restart")));
    EXPECT_TRUE(gapsel.running());
}

// Trays that order by arrival: "Move to … End" makes the separator the newest,
// and the next start of Gapsel brings the arrangement back.
class PlacementByArrival : public PlacementBesideOtherItem,
                           public ::testing::WithParamInterface<const char*> {
protected:
    PlacementByArrival()
        : PlacementBesideOtherItem(QString::fromLatin1(GetParam())) {}
};

TEST_P(PlacementByArrival, MoveToTheNewestEndAndKeepItAcrossRestarts) {
    // GNOME's extension puts the newest leftmost, LXQt and Waybar rightmost.
    const bool leftmost = desktop.host().name == QStringLiteral("gnome");
    const QString start = leftmost ? QStringLiteral("|—·R") : QStringLiteral("R|—·");
    ASSERT_EQ(awaitOrder(start, QStringLiteral("arrival-order")), start);
    // The item leaves the bus as the entry is clicked, so the menu's closing
    // finds no one to tell: what counts is the order after.
    host->choose(serviceOf(leftmost ? 2 : 0), {leftmost ? QStringLiteral("Move to Left End")
                                                        : QStringLiteral("Move to Right End")});
    const QString expected = leftmost ? QStringLiteral("·|—R") : QStringLiteral("R—·|");
    const QString moved = awaitOrder(expected, QStringLiteral("moved-to-end"));
    e2e::hostCheck(desktop.host().name, "move-to-end", moved == expected,
                   QStringLiteral("shown %1 after the move, expected %2").arg(moved, expected));
    restartedOrder(expected, QStringLiteral("moved-after-restart"));
    EXPECT_TRUE(gapsel.running());
}

INSTANTIATE_TEST_SUITE_P(Hosts, PlacementByArrival, ::testing::Values("lxqt", "gnome", "waybar"));

class PlacementOnPlasma : public PlacementBesideOtherItem {
protected:
    PlacementOnPlasma()
        : PlacementBesideOtherItem(QStringLiteral("plasma")) {}
};

// Plasma sorts by title: the separator gets one that sorts right after the
// other item's, and gets it again at its next start.
TEST_F(PlacementOnPlasma, PlaceAfterPutsTheSeparatorRightAfterTheItemAcrossRestarts) {
    const QString sorted = awaitOrder(QStringLiteral("|—·R"), QStringLiteral("sorted-by-title"));
    ASSERT_TRUE(host->choose(serviceOf(0), {QStringLiteral("Place After"), other}));
    const QString expected = QStringLiteral("—·R|");
    const QString placed = awaitOrder(expected, QStringLiteral("placed-after-other"));
    const QString restarted = restartedOrder(expected, QStringLiteral("placed-after-restart"));
    e2e::hostCheck(desktop.host().name, "place-after", placed == expected && restarted == expected,
                   QStringLiteral("shown %1 at start, %2 after Place After ▸ %3, %4 after a "
                                  "restart; expected %5")
                       .arg(sorted, placed, other, restarted, expected));
    EXPECT_TRUE(gapsel.running());
}

} // namespace
