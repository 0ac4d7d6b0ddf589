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
                                      QStringList characters = {u"|"_s, u"—"_s, u"·"_s})
        : DesktopTest(hostName)
        , characters(std::move(characters)) {}

    void SetUp() override {
        DesktopTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        empty = desktop.settledScreen();
        ASSERT_EQ(desktop.startService(QStringLiteral(OTHER_TRAY_ITEM_EXECUTABLE), {other}),
                  u"shown"_s);
        ASSERT_TRUE(eventually([&] { return orderShown(desktop.screenshot()) == u"R"_s; }));
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
            order += showsRed(screen, glyph) ? u"R"_s : e2e::shapeOf(glyph);
        return order;
    }
    // Waits until the tray shows the items in `expected` order (one glyph
    // each) and keeps the screen as `name`; what it showed last.
    QString awaitOrder(const QString& expected, const QString& name) {
        QImage screen;
        QString shown;
        EXPECT_TRUE(eventually([&] {
            screen = desktop.screenshot();
            shown = orderShown(screen);
            return shown == expected && idsInWatcher().size() == expected.size();
        })) << "shown "
            << shown.toStdString() << " for " << expected.toStdString();
        desktop.saveScreenshot(name, screen);
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
        : PlacementBesideOtherItem(u"xfce"_s, {}) {}

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

// One host's way of placing a separator: the order the tray first shows, the
// menu entry chosen on one separator, the order it shows then, and the check
// that judges the move.
struct Placement {
    std::string host;
    QString start;
    int separator;
    QStringList entry;
    QString expected;
    const char* check;
    // The check that judges the order after Gapsel's restart.
    const char* keptCheck = "kept";
};
void PrintTo(const Placement& placement, std::ostream* out) {
    *out << placement.host << ' ' << placement.check;
}

// Trays that order by arrival: "Move to … End" makes the separator the newest
// (GNOME's extension puts the newest leftmost, LXQt and Waybar rightmost);
// where the newest go rightmost, Place After makes it and ours after the
// other item arrive again, in the order the list then keeps.
// Plasma sorts by title: Place After gives the separator one that sorts right
// after the other item's. Either way the next start of Gapsel brings the
// arrangement back.
class PlacementByRule : public PlacementBesideOtherItem,
                        public ::testing::WithParamInterface<Placement> {
protected:
    PlacementByRule()
        : PlacementBesideOtherItem(QString::fromStdString(GetParam().host)) {}
};

TEST_P(PlacementByRule, TheChosenPlaceShowsAndOutlivesARestart) {
    const Placement& placement = GetParam();
    ASSERT_EQ(awaitOrder(placement.start, u"start-order"_s), placement.start);
    // The item may leave the bus as the entry is clicked, so the menu's
    // closing finds no one to tell: what counts is the order after.
    host->choose(serviceWithId(separators.at(placement.separator).id), placement.entry);
    const QString placed = awaitOrder(placement.expected, u"placed"_s);
    e2e::hostCheck(desktop.host().name, placement.check, placed == placement.expected,
                   u"shown %1 after %2, expected %3"_s.arg(placed, placement.entry.join(u" ▸ "_s),
                                                           placement.expected));
    // The tray forgets Gapsel until it starts again; then the separators
    // come back in place, each with a title, by which screen readers and the
    // tray's settings show it.
    gapsel.stop();
    ASSERT_TRUE(eventually([&] { return idsInWatcher() == QStringList{other}; }))
        << "Gapsel's items stayed in the tray";
    ASSERT_TRUE(gapsel.start(desktop.environment()));
    const QString kept = awaitOrder(placement.expected, u"placed-after-restart"_s);
    e2e::hostCheck(desktop.host().name, placement.keptCheck, kept == placement.expected,
                   u"shown %1 after a restart, expected %2"_s.arg(kept, placement.expected));
    QStringList titles;
    for (const e2e::StoredSeparator& separator : separators)
        titles.append(host->itemProperty(serviceWithId(separator.id), u"Title"_s).toString());
    e2e::hostCheck(desktop.host().name, "titles",
                   std::ranges::all_of(
                       titles, [](const QString& title) { return title.contains(u"Gapsel"_s); }),
                   titles.join(u" / "_s));
    EXPECT_TRUE(gapsel.running());
}

INSTANTIATE_TEST_SUITE_P(
    Hosts, PlacementByRule,
    ::testing::Values(
        Placement{"lxqt", u"R|—·"_s, 0, {u"Move to Right End"_s}, u"R—·|"_s, "move-to-end"},
        Placement{"lxqt-reversed", u"|—·R"_s, 2, {u"Move to Left End"_s}, u"·|—R"_s, "move-to-end"},
        Placement{"gnome", u"|—·R"_s, 2, {u"Move to Left End"_s}, u"·|—R"_s, "move-to-end"},
        Placement{"gnome-wayland", u"|—·R"_s, 2, {u"Move to Left End"_s}, u"·|—R"_s, "move-to-end"},
        Placement{"waybar", u"R|—·"_s, 0, {u"Move to Right End"_s}, u"R—·|"_s, "move-to-end"},
        Placement{"lxqt",
                  u"R|—·"_s,
                  2,
                  {u"Place After"_s, other},
                  u"R·|—"_s,
                  "place-after",
                  "place-after-kept"},
        Placement{"waybar",
                  u"R|—·"_s,
                  2,
                  {u"Place After"_s, other},
                  u"R·|—"_s,
                  "place-after",
                  "place-after-kept"},
        Placement{"plasma", u"|—·R"_s, 0, {u"Place After"_s, other}, u"—·R|"_s, "place-after"},
        Placement{
            "plasma-wayland", u"|—·R"_s, 0, {u"Place After"_s, other}, u"—·R|"_s, "place-after"}),
    [](const ::testing::TestParamInfo<Placement>& placement) {
        std::string name = placement.param.host + '_' + placement.param.check;
        std::ranges::replace(name, '-', '_');
        return name;
    });

// Plasma sorts by title: a separator moved left past the only other item
// stands at the start by a title whose "0 " prefix Plasma's collation puts
// before the others' (a title never empty, as screen readers read it).
class PlacementAtTheStartInPlasma : public PlacementBesideOtherItem {
protected:
    PlacementAtTheStartInPlasma()
        : PlacementBesideOtherItem(u"plasma"_s) {}
};

TEST_F(PlacementAtTheStartInPlasma, APrefixSortsTheSeparatorFirst) {
    ASSERT_EQ(awaitOrder(u"|—·R"_s, u"start-order"_s), u"|—·R"_s);
    const QString moved = separators.at(2).id;
    host->choose(serviceWithId(moved), {u"Place After"_s, other});
    ASSERT_EQ(awaitOrder(u"|—R·"_s, u"after-other"_s), u"|—R·"_s);
    host->choose(serviceWithId(moved), {u"Move Left"_s});
    const QString shown = awaitOrder(u"·|—R"_s, u"at-start"_s);
    const QString title = host->itemProperty(serviceWithId(moved), u"Title"_s).toString();
    e2e::hostCheck(desktop.host().name, "at-start",
                   shown == u"·|—R"_s && title.startsWith(u"0 Gapsel separator"_s),
                   u"shown %1, titled \"%2\""_s.arg(shown, title));
}

// LXQt or Waybar at login: Gapsel starts before the program whose item a
// separator was placed after. That separator, and those listed after it,
// wait for the item and then come after it.
class PlacementAfterALaterItem : public PlacementBesideOtherItem,
                                 public ::testing::WithParamInterface<std::string> {
protected:
    PlacementAfterALaterItem()
        : PlacementBesideOtherItem(QString::fromStdString(GetParam())) {}

    void SetUp() override {
        DesktopTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        empty = desktop.settledScreen();
        separators = e2e::seedSeparators(desktop, characters);
        ASSERT_TRUE(gapsel.start(desktop.environment()));
    }
    bool startOther() {
        return otherProgram.start(desktop.environment(), {other}, QProcess::SeparateChannels);
    }

    e2e::Program otherProgram{QStringLiteral(OTHER_TRAY_ITEM_EXECUTABLE)};
};

TEST_P(PlacementAfterALaterItem, WaitsForTheItemAtTheNextStart) {
    ASSERT_EQ(awaitOrder(u"|—·"_s, u"later-start"_s), u"|—·"_s);
    ASSERT_TRUE(startOther());
    ASSERT_EQ(awaitOrder(u"|—·R"_s, u"later-other"_s), u"|—·R"_s);
    // The menu lists the item once Gapsel could ask it for its title, which a
    // program just started may be slow to answer.
    ASSERT_TRUE(eventually([&] {
        host->choose(serviceWithId(separators.at(1).id), {u"Place After"_s, other});
        return eventually([&] { return orderShown(desktop.screenshot()) == u"|·R—"_s; }, 3000);
    }));
    ASSERT_EQ(awaitOrder(u"|·R—"_s, u"later-placed"_s), u"|·R—"_s);

    gapsel.stop();
    otherProgram.stop();
    ASSERT_TRUE(eventually([&] { return idsInWatcher().isEmpty(); }));
    ASSERT_TRUE(gapsel.start(desktop.environment()));
    const QString waiting = awaitOrder(u"|·"_s, u"later-waiting"_s);
    e2e::idle(3000);
    const QString stillWaiting = orderShown(desktop.screenshot());
    ASSERT_TRUE(startOther());
    const QString kept = awaitOrder(u"|·R—"_s, u"later-kept"_s);
    e2e::hostCheck(
        desktop.host().name, "waits-for-item",
        waiting == u"|·"_s && stillWaiting == u"|·"_s && kept == u"|·R—"_s,
        u"shown %1, then %2 before the item came and %3 after"_s.arg(waiting, stillWaiting, kept));
}

INSTANTIATE_TEST_SUITE_P(Hosts, PlacementAfterALaterItem, ::testing::Values("lxqt", "waybar"),
                         e2e::nameOfHost);

} // namespace
