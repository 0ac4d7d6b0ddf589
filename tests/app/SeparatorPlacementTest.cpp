// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// Placing separators on each kind of tray: the entries each host gets, the
// edits of XFCE's known items, the sort keys of sorting hosts and the places
// the user chose surviving a restart.

#include "app/SeparatorPlacement.h"
#include "SeparatorsTestSupport.h"
#include "app/KnownItemsOrder.h"
#include "app/TipText.h"
#include "app/TraySortKeys.h"

using platform::TrayHost;
using platform::TrayHostKind;
using platform::TrayItemDescription;
using separators_testing::separator;

namespace {

const QString line = QStringLiteral("---");
const QString chat = QStringLiteral("chat");
const QString volume = QStringLiteral("volume");

class PlacementTest : public separators_testing::SeparatorsTest {
protected:
    void startOn(TrayHost host) {
        sim.trayHosts.setHosts({host});
        placement = std::make_unique<app::SeparatorPlacement>(
            sim.trayHosts, sim.trayPlacement, sim.pasteboard, sim.queue, app::SeparatorKeys(suite));
        view =
            std::make_unique<app::SeparatorsView>(sim.statusBar, statusItems, sim.queue, services(),
                                                  app::SeparatorKeys(suite), placement.get());
        sim.queue.runUntilIdle();
    }
    void restart(TrayHost host) {
        view.reset();
        placement.reset();
        startOn(host);
    }
    // The menu's entries between Remove and the first line.
    QStringList placementEntries() {
        const QStringList menu = menuOf(0);
        item(0).closeMenu();
        return menu.mid(2, menu.indexOf(line) - 2);
    }
    QString id(qsizetype index) { return stored().at(index).idString(); }
    QStringList known() { return *sim.trayPlacement.knownItems(xfce.xfcePlugin); }

    const TrayHost xfce{TrayHostKind::Xfce, QStringLiteral("panel-3-systray"), 3};
    const TrayHost plasma{TrayHostKind::Plasma, QStringLiteral("kded5"), -1};
    std::unique_ptr<app::SeparatorPlacement> placement;
};

TEST_F(PlacementTest, EachHostOffersOnlyWhatWorksThere) {
    sim.trayPlacement.setOtherItems(
        {{volume, QStringLiteral("Volume"), QStringLiteral("Hardware")}});
    const QString sorted = QStringLiteral("Move Left (disabled),Move Right,Place After (submenu),"
                                          "Copy Separator ID");
    const QList<std::pair<TrayHost, QString>> cases{
        {{TrayHostKind::DraggableMenuBar, {}, -1}, QString()},
        {{TrayHostKind::Plasma, {}, -1}, sorted},
        {{TrayHostKind::Cinnamon, {}, -1}, sorted},
        {{TrayHostKind::Gnome, {}, -1}, QStringLiteral("Move to Left End,Copy Separator ID")},
        {{TrayHostKind::Budgie, {}, -1}, QStringLiteral("Move to Left End,Copy Separator ID")},
        {{TrayHostKind::Lxqt, {}, -1}, QStringLiteral("Move to Right End,Copy Separator ID")},
        {{TrayHostKind::Waybar, {}, -1}, QStringLiteral("Move to Right End,Copy Separator ID")},
        {{TrayHostKind::Mate, {}, -1}, QStringLiteral("Copy Separator ID")},
        {{TrayHostKind::Unknown, {}, -1}, QStringLiteral("Copy Separator ID")},
        // An XFCE whose status tray is not known cannot be reordered.
        {{TrayHostKind::Xfce, {}, -1}, QStringLiteral("Copy Separator ID")},
    };
    for (const auto& [host, entries] : cases) {
        restart(host);
        EXPECT_EQ(placementEntries().join(QLatin1Char(',')), entries)
            << host.process.toStdString() << int(host.kind);
        const QString tip = app::moveSeparatorTip(host.kind);
        EXPECT_EQ(tip.contains(QStringLiteral("Command key")),
                  host.kind == TrayHostKind::DraggableMenuBar);
    }
    choose(0, {QStringLiteral("Copy Separator ID")});
    EXPECT_EQ(sim.pasteboard.contents.value(QStringLiteral("text/plain")), id(0).toUtf8());
    EXPECT_TRUE(placement->tip().startsWith(QStringLiteral("Gapsel cannot move")));
}

TEST(KnownItemsOrderTest, OnlyTheMovedIdChangesPlace) {
    using namespace app::knownItemsOrder;
    const QStringList ids{QStringLiteral("a"), QStringLiteral("gone"),  QStringLiteral("s"),
                          QStringLiteral("b"), QStringLiteral("gone2"), QStringLiteral("c")};
    const IsShown shown = [](const QString& id) { return !id.startsWith(QStringLiteral("gone")); };
    EXPECT_EQ(steppingPast(ids, QStringLiteral("s"), 1, shown)->join(QString()), u"agonebsgone2c");
    EXPECT_EQ(steppingPast(ids, QStringLiteral("s"), -1, shown)->join(QString()), u"sagonebgone2c");
    EXPECT_FALSE(steppingPast(ids, QStringLiteral("c"), 1, shown));
    EXPECT_FALSE(steppingPast(ids, QStringLiteral("x"), 1, shown));
    EXPECT_EQ(placingAfter(ids, QStringLiteral("s"), QStringLiteral("c"))->join(QString()),
              u"agonebgone2cs");
    EXPECT_EQ(placingAfter(ids, QStringLiteral("new"), QStringLiteral("a"))->join(QString()),
              u"anewgonesbgone2c");
    EXPECT_FALSE(placingAfter(ids, QStringLiteral("s"), QStringLiteral("x")));
}

TEST_F(PlacementTest, XfceMovesOwnIdsInKnownItemsAndPlacesNewOnesAfterTheirSource) {
    store({separator(u"—"), separator(u"|"), separator(u"•")});
    sim.trayPlacement.setKnownItemsOf(xfce.xfcePlugin, {QStringLiteral("old"), chat, volume});
    sim.trayPlacement.setOtherItems(
        {{chat, QStringLiteral("Chat"), {}}, {volume, QStringLiteral("Volume"), {}}});
    startOn(xfce);
    // Unknown to the panel, they are listed in list order where it would put them.
    EXPECT_EQ(known(), (QStringList{id(0), id(1), id(2), QStringLiteral("old"), chat, volume}));

    choose(2, {QStringLiteral("Move Right")});
    EXPECT_EQ(known(), (QStringList{id(0), id(1), QStringLiteral("old"), chat, id(2), volume}));
    // Entries of programs not running are passed over.
    choose(2, {QStringLiteral("Move Left")});
    EXPECT_EQ(known(), (QStringList{id(0), id(1), QStringLiteral("old"), id(2), chat, volume}));
    choose(0, {QStringLiteral("Place After"), QStringLiteral("Volume")});
    EXPECT_EQ(known(), (QStringList{id(1), QStringLiteral("old"), id(2), chat, volume, id(0)}));

    choose(1, {QStringLiteral("New")});
    EXPECT_EQ(known(),
              (QStringList{id(1), id(3), QStringLiteral("old"), id(2), chat, volume, id(0)}));
    const int writes = sim.trayPlacement.knownItemsWrites;
    restart(xfce);
    EXPECT_EQ(sim.trayPlacement.knownItemsWrites, writes);
}

TEST(TraySortKeysTest, TitlesSortRightAfterTheAnchor) {
    using namespace app::traySortKeys;
    const Item chatItem{chat, QStringLiteral("Chat"), QStringLiteral("Communications")};
    const QList<Item> others{chatItem,
                             {QStringLiteral("b"), QStringLiteral("Chat b"), chatItem.category},
                             {volume, QStringLiteral("Volume"), QStringLiteral("Hardware")}};
    for (const TrayHostKind host : {TrayHostKind::Plasma, TrayHostKind::Cinnamon}) {
        const Item after = rightAfter(host, chatItem, others, 0);
        EXPECT_TRUE(sortsBefore(host, chatItem, after));
        EXPECT_TRUE(sortsBefore(host, after, others[1]));
        EXPECT_TRUE(sortsBefore(host, rightAfter(host, chatItem, others, 0),
                                rightAfter(host, chatItem, others, 1)));
        EXPECT_TRUE(sortsBefore(host, atStart(host, others), chatItem));
    }
    EXPECT_TRUE(sortsBefore(TrayHostKind::Plasma, inSequence(0), inSequence(11)));
}

TEST_F(PlacementTest, SortingHostsKeepThePlaceTheUserChoseAcrossRestartsAndRenames) {
    store({separator(u"—"), separator(u"|")});
    const TrayItemDescription chatItem{chat, QStringLiteral("Chat"),
                                       QStringLiteral("Communications")};
    sim.trayPlacement.setOtherItems({chatItem});
    startOn(plasma);
    EXPECT_EQ(sim.trayPlacement.sortKeys.value(id(0)).title, u"Gapsel separator 01");
    EXPECT_EQ(sim.trayPlacement.sortKeys.value(id(1)).title, u"Gapsel separator 02");

    choose(1, {QStringLiteral("Place After"), QStringLiteral("Chat")});
    const QString after = sim.trayPlacement.sortKeys.value(id(1)).title;
    EXPECT_TRUE(after.startsWith(QStringLiteral("Chat")));
    EXPECT_EQ(sim.trayPlacement.sortKeys.value(id(1)).category, chatItem.category);

    sim.trayPlacement.sortKeys.clear();
    sim.trayPlacement.setOtherItems({});
    restart(plasma);
    EXPECT_EQ(sim.trayPlacement.sortKeys.value(id(1)).title, after);
    // The anchor comes back renamed: the separator follows it.
    sim.trayPlacement.setOtherItems({{chat, QStringLiteral("Messages"), chatItem.category}});
    sim.queue.runUntilIdle();
    EXPECT_TRUE(sim.trayPlacement.sortKeys.value(id(1)).title.startsWith(u"Messages"));
    EXPECT_EQ(Defaults::get(app::keys::separatorPlacements(suite)).value(id(1)).title, u"Messages");
}

TEST_F(PlacementTest, ArrivalHostsMoveByArrivingAgainAndShowTheListInOrder) {
    store({separator(u"—"), separator(u"|")});
    startOn({TrayHostKind::Gnome, QStringLiteral("gnome-shell"), -1});
    // The newest goes leftmost there, so the last separator is made first.
    EXPECT_EQ(item(0).autosaveName(), id(1));
    choose(0, {QStringLiteral("Move to Left End")});
    EXPECT_EQ(sim.trayPlacement.arrivals, QStringList{id(1)});
}

} // namespace
