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
#include <ostream>
#include <string>

using namespace Qt::StringLiterals;

namespace {

// The other program's Id and title.
const QString other = u"Other Program"_s;

// The stored separators and another program's red item ("R" in the order
// shown), which the tray shows before Gapsel starts unless it comes later.
class PlacementBesideOtherItem : public e2e::SeededHostTest {
protected:
    using SeededHostTest::SeededHostTest;

    void SetUp() override { setUp(false); }
    void setUp(bool otherLater) {
        SeededHostTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        const QString before = otherLater ? seededCharacters.join(QString()) : QString();
        ASSERT_TRUE(!otherLater || gapsel.start(desktop.environment()));
        ASSERT_EQ(awaitShown(before), before);
        ASSERT_TRUE(startOther());
        ASSERT_EQ(awaitShown(before + u"R"_s), before + u"R"_s);
        ASSERT_TRUE(otherLater || gapsel.start(desktop.environment()));
    }
    bool startOther() {
        return otherProgram.start(desktop.environment(), {other}, QProcess::SeparateChannels);
    }
    // Waits until the tray shows the items in `expected` order (one glyph
    // each) and keeps the screen as `name`; what it showed last.
    QString awaitOrder(const QString& expected, const QString& name) {
        QImage screen;
        QString last;
        EXPECT_TRUE(eventually([&] {
            screen = desktop.screenshot();
            last = shown(screen);
            return last == expected && idsInWatcher().size() == expected.size();
        })) << "shown "
            << last.toStdString() << " for " << expected.toStdString();
        desktop.saveScreenshot(name, screen);
        return last;
    }

    e2e::Program otherProgram{QStringLiteral(OTHER_TRAY_ITEM_EXECUTABLE)};
};

class PlacementInXfce : public PlacementBesideOtherItem {
protected:
    PlacementInXfce()
        : PlacementBesideOtherItem("xfce", {}) {}

    // The panel as the other item's red ("R") with light separator ink ("—")
    // left and right of it: XFCE draws its items too close together to tell
    // equal glyphs apart.
    QString inkAroundOther(const QImage& screen) const {
        const QRect panel = desktop.host().panel & screen.rect();
        QRect red;
        QList<int> ink;
        for (int y = panel.top(); y <= panel.bottom(); ++y)
            for (int x = panel.left(); x <= panel.right(); ++x)
                if (e2e::isRed(screen.pixel(x, y)))
                    red |= QRect(x, y, 1, 1);
                else if (qGray(screen.pixel(x, y)) > 128)
                    ink.append(x);
        if (red.isEmpty())
            return {};
        QString shown = u"R"_s;
        if (std::ranges::any_of(ink, [&](int x) { return x < red.left(); }))
            shown.prepend(u"—"_s);
        if (std::ranges::any_of(ink, [&](int x) { return x > red.right(); }))
            shown.append(u"—"_s);
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
            ASSERT_TRUE(host->choose(serviceWithId(stored.last().id), {u"New"_s}));
        }
    }
    const QString a = stored[0].id, b = stored[1].id, c = stored[2].id;
    const QString after = u"—R—"_s;
    EXPECT_TRUE(placed({a, b, c, other}, u"—R"_s, u"placement-new"_s))
        << e2e::xfceKnownItems(desktop).join(QLatin1Char(' ')).toStdString();
    ASSERT_TRUE(host->choose(serviceWithId(a), {u"Place After"_s, other}));
    EXPECT_TRUE(placed({b, c, other, a}, after, u"placement-after-other"_s));

    const QString failure = desktop.restartHost();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    EXPECT_TRUE(placed({b, c, other, a}, after, u"placement-after-panel-restart"_s));
    EXPECT_TRUE(gapsel.running());
}

// A menu entry chosen on one separator, the order the tray shows then, and
// the host's check that judges the move (none: the test alone judges it).
struct Move {
    int separator;
    QStringList entry;
    QString expected;
    const char* check = nullptr;
};

// One host's way of placing separators: the order the tray first shows, the
// moves, and the check that judges the order after Gapsel's restart.
struct Placement {
    std::string host;
    QString start;
    QList<Move> moves;
    const char* keptCheck = "kept";
    // Gapsel starts before the other program, as at login, and starts again
    // without it: the separators placed after its item wait for it.
    bool otherLater = false;
};
void PrintTo(const Placement& placement, std::ostream* out) {
    *out << placement.host << ' ' << placement.keptCheck;
}

// Trays that order by arrival: "Move to … End" makes the separator the newest
// (GNOME's extension puts the newest leftmost, LXQt and Waybar rightmost);
// where the newest go rightmost, Place After makes it and ours after the
// other item arrive again, in the order the list then keeps.
// Plasma sorts by title: Place After gives the separator one that sorts right
// after the other item's, and one moved left past the only other item stands
// at the start by a title Plasma's collation puts before the others'.
// Either way the next start of Gapsel brings the arrangement back.
class PlacementOnHost : public PlacementBesideOtherItem,
                        public ::testing::WithParamInterface<Placement> {
protected:
    PlacementOnHost()
        : PlacementBesideOtherItem(GetParam().host) {}
    void SetUp() override { setUp(GetParam().otherLater); }

    // Stops Gapsel (and the other program where it comes later) and starts
    // Gapsel again: what the tray shows then, as the check judges it.
    void checkRestart(const QString& expected) {
        const Placement& placement = GetParam();
        gapsel.stop();
        if (placement.otherLater)
            otherProgram.stop();
        const QStringList left = placement.otherLater ? QStringList() : QStringList{other};
        ASSERT_TRUE(eventually([&] { return idsInWatcher() == left; }))
            << "Gapsel's items stayed in the tray";
        ASSERT_TRUE(gapsel.start(desktop.environment()));
        QString detail;
        bool kept = true;
        if (placement.otherLater) {
            const QString before = expected.section(u'R', 0, 0);
            const QString waiting = awaitOrder(before, u"later-waiting"_s);
            e2e::idle(3000);
            const QString stillWaiting = shown(desktop.screenshot());
            ASSERT_TRUE(startOther());
            kept = waiting == before && stillWaiting == before;
            detail = u"shown %1, then %2 before the item came; "_s.arg(waiting, stillWaiting);
        }
        const QString shownAfter = awaitOrder(expected, u"placed-after-restart"_s);
        e2e::hostCheck(desktop.host().name, placement.keptCheck, kept && shownAfter == expected,
                       detail + u"shown %1 after a restart, expected %2"_s.arg(shownAfter, expected));
    }
};

TEST_P(PlacementOnHost, TheChosenPlaceShowsAndOutlivesARestart) {
    const Placement& placement = GetParam();
    ASSERT_EQ(awaitOrder(placement.start, u"start-order"_s), placement.start);
    for (const Move& move : placement.moves) {
        const QString service = serviceWithId(seeded.at(move.separator).id);
        const QString before = shown(desktop.screenshot());
        // The menu lists the item once Gapsel could ask it for its title,
        // which a program just started may be slow to answer: the entry is
        // chosen again while nothing moved. The item may leave the bus as the
        // entry is clicked, so the menu's closing finds no one to tell: what
        // counts is the order after.
        ASSERT_TRUE(eventually([&] {
            host->choose(service, move.entry);
            return eventually([&] { return shown(desktop.screenshot()) != before; }, 5000);
        }));
        const QString placed = awaitOrder(move.expected, u"placed"_s);
        const QString detail = u"shown %1 after %2, expected %3"_s.arg(
            placed, move.entry.join(u" ▸ "_s), move.expected);
        if (move.check)
            e2e::hostCheck(desktop.host().name, move.check, placed == move.expected, detail);
        ASSERT_EQ(placed, move.expected) << detail.toStdString();
    }
    checkRestart(placement.moves.back().expected);
    // Each separator has a title, by which screen readers and the tray's
    // settings show it.
    QStringList titles;
    for (const e2e::StoredSeparator& separator : seeded)
        titles.append(host->itemProperty(serviceWithId(separator.id), u"Title"_s).toString());
    e2e::hostCheck(desktop.host().name, "titles",
                   std::ranges::all_of(
                       titles, [](const QString& title) { return title.contains(u"Gapsel"_s); }),
                   titles.join(u" / "_s));
    EXPECT_TRUE(gapsel.running());
}

const QStringList placeAfterOther{u"Place After"_s, other};

INSTANTIATE_TEST_SUITE_P(
    Hosts, PlacementOnHost,
    ::testing::Values(
        Placement{"lxqt", u"R|—·"_s, {{0, {u"Move to Right End"_s}, u"R—·|"_s, "move-to-end"}}},
        Placement{"lxqt-reversed",
                  u"|—·R"_s,
                  {{2, {u"Move to Left End"_s}, u"·|—R"_s, "move-to-end"}}},
        Placement{"gnome", u"|—·R"_s, {{2, {u"Move to Left End"_s}, u"·|—R"_s, "move-to-end"}}},
        Placement{"gnome-wayland",
                  u"|—·R"_s,
                  {{2, {u"Move to Left End"_s}, u"·|—R"_s, "move-to-end"}}},
        Placement{"waybar", u"R|—·"_s, {{0, {u"Move to Right End"_s}, u"R—·|"_s, "move-to-end"}}},
        Placement{"lxqt", u"R|—·"_s, {{2, placeAfterOther, u"R·|—"_s, "place-after"}},
                  "place-after-kept"},
        Placement{"waybar", u"R|—·"_s, {{2, placeAfterOther, u"R·|—"_s, "place-after"}},
                  "place-after-kept"},
        Placement{"plasma", u"|—·R"_s, {{0, placeAfterOther, u"—·R|"_s, "place-after"}}},
        Placement{"plasma-wayland", u"|—·R"_s, {{0, placeAfterOther, u"—·R|"_s, "place-after"}}},
        Placement{"plasma",
                  u"|—·R"_s,
                  {{2, placeAfterOther, u"|—R·"_s}, {2, {u"Move Left"_s}, u"·|—R"_s, "at-start"}},
                  "at-start-kept"},
        Placement{"lxqt", u"|—·R"_s, {{1, placeAfterOther, u"|·R—"_s}}, "waits-for-item", true},
        Placement{"waybar", u"|—·R"_s, {{1, placeAfterOther, u"|·R—"_s}}, "waits-for-item", true}),
    [](const ::testing::TestParamInfo<Placement>& placement) {
        const char* check = placement.param.moves.back().check;
        std::string name = placement.param.host + '_' + (check ? check : placement.param.keptCheck);
        std::ranges::replace(name, '-', '_');
        return name;
    });

} // namespace
