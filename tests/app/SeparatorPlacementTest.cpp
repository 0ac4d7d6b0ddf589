// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/SeparatorPlacement.h"
#include "SeparatorsTestSupport.h"
#include "app/ArrivalOrderPlacement.h"
#include "app/KnownItemsOrder.h"
#include "app/NoTrayNotice.h"
#include "app/SeparatorListEdits.h"
#include "app/TipText.h"
#include "app/TraySortKeys.h"
#include "debug/InMemoryLog.h"
#include "support/TestEnvironment.h"

#include <algorithm>
#include <functional>
#include <tuple>

using namespace Qt::StringLiterals;

using platform::TrayHost;
using platform::TrayHostKind;
using platform::TrayItemDescription;
using separators_testing::separator;

namespace {

const QString line = u"---"_s;
const QString chat = u"chat"_s;
const QString volume = u"volume"_s;

class PlacementTest : public separators_testing::SeparatorsTest {
protected:
    void startOn(TrayHost host) {
        view.reset();
        placement.reset();
        sim.trayHosts.setHosts({host});
        placement = std::make_unique<app::SeparatorPlacement>(sim.trayHosts, sim.trayPlacement,
                                                              sim.pasteboard, sim.queue,
                                                              keys::SeparatorKeys(suite));
        start(placement.get());
    }
    // The menu's entries between Remove and the first line.
    QStringList placementEntries() {
        const QStringList menu = menuOf(0);
        item(0).closeMenu();
        return menu.mid(2, menu.indexOf(line) - 2);
    }
    QString id(qsizetype index) { return stored().at(index).idString(); }
    QStringList storedIds() {
        QStringList ids;
        for (const keys::SeparatorItem& each : stored())
            ids.append(each.idString());
        return ids;
    }
    // Chooses along `path` in the menu of the separator with this Id.
    void chooseFor(const QString& separatorId, const QStringList& path) {
        const auto all = items();
        const auto found = std::find_if(all.begin(), all.end(), [&](auto* each) {
            return each->autosaveName() == separatorId;
        });
        ASSERT_NE(found, all.end());
        choose(static_cast<std::size_t>(found - all.begin()), path);
    }
    QStringList known() { return *sim.trayPlacement.knownItems(xfce.xfcePlugin); }

    const TrayHost xfce{TrayHostKind::Xfce, u"panel-3-systray"_s, 3};
    const TrayHost plasma{TrayHostKind::Plasma, u"kded5"_s, -1};
    const TrayHost gnome{TrayHostKind::Gnome, u"gnome-shell"_s, -1};
    const TrayHost lxqt{TrayHostKind::Lxqt, u"lxqt-panel"_s, -1};
    const TrayHost lxqtReversed{TrayHostKind::Lxqt, u"lxqt-panel"_s, -1, true};
    std::unique_ptr<app::SeparatorPlacement> placement;
};

TEST_F(PlacementTest, EachHostOffersOnlyWhatWorksThere) {
    sim.trayPlacement.setOtherItems({{volume, u"Volume"_s, u"Hardware"_s}});
    const QString sorted = QStringLiteral("Move Left (disabled),Move Right,Place After (submenu),"
                                          "Copy Separator ID");
    using enum TrayHostKind;
    const QList<std::pair<QList<TrayHostKind>, QString>> cases{
        {{DraggableMenuBar}, QString()},
        {{Plasma, Cinnamon}, sorted},
        {{Gnome, Budgie}, u"Move to Left End,Copy Separator ID"_s},
        {{Lxqt, Waybar}, u"Move to Right End,Place After (submenu),Copy Separator ID"_s},
        // An XFCE whose status tray is not known cannot be reordered.
        {{Mate, Unknown, Xfce}, u"Copy Separator ID"_s},
    };
    for (const auto& [kinds, entries] : cases)
        for (const TrayHostKind kind : kinds) {
            startOn({kind, {}, -1});
            EXPECT_EQ(placementEntries().join(QLatin1Char(',')), entries) << int(kind);
            EXPECT_EQ(app::moveSeparatorTip(kind).contains(u"Command key"_s),
                      kind == DraggableMenuBar);
            EXPECT_EQ(placement->tip().contains(u"Place After"_s),
                      entries.contains(u"Place After"_s))
                << int(kind);
        }
    // With no other item in the tray there is nothing to place after, and
    // the tip does not name it.
    sim.trayPlacement.setOtherItems({});
    for (const TrayHost& host : {plasma, xfce}) {
        startOn(host);
        EXPECT_FALSE(placementEntries().join(QLatin1Char(',')).contains(u"Place After"_s));
        EXPECT_FALSE(placement->tip().contains(u"Place After"_s)) << placement->tip().toStdString();
    }
    // XEmbed trays: trayer docks new icons at its left end, the others at the
    // right; LXQt with "Reverse the order of items" puts the newest at the left.
    for (const auto& [host, entry] : {std::pair{TrayHost{XEmbedTray, u"trayer"_s, -1}, "Left"},
                                      {TrayHost{XEmbedTray, u"tint2"_s, -1}, "Right"},
                                      {TrayHost{Lxqt, {}, -1, true}, "Left"}}) {
        startOn(host);
        EXPECT_EQ(placementEntries(), (QStringList{u"Move to %1 End"_s.arg(QLatin1String(entry)),
                                                   u"Copy Separator ID"_s}));
    }
    EXPECT_TRUE(placement->tip().startsWith(u"The newest icon goes leftmost"_s));
    startOn({Mate, {}, -1});
    choose(0, {u"Copy Separator ID"_s});
    EXPECT_EQ(sim.pasteboard.contents.value(u"text/plain"_s), id(0).toUtf8());
    EXPECT_TRUE(placement->tip().startsWith(u"Gapsel cannot move"_s));
}

// Moves the menu makes are followed through XFCE's known items below; these
// it must refuse.
TEST(TrayOrderTest, StepsStopAtTheShownEndsAndTitlesSortRightAfterTheAnchor) {
    using namespace app;
    const QStringList ids{u"a"_s, u"s"_s, u"gone"_s};
    const IsItemShown shown = [](const QString& id) { return id != u"gone"_s; };
    EXPECT_FALSE(steppingKnownItemPast(ids, u"s"_s, 1, shown));
    EXPECT_FALSE(steppingKnownItemPast(ids, u"a"_s, -1, shown));
    EXPECT_FALSE(steppingKnownItemPast(ids, u"x"_s, 1, shown));
    EXPECT_FALSE(placingKnownItemAfter(ids, u"s"_s, u"x"_s));
    // Both ends of the list can be reached.
    EXPECT_EQ(steppingKnownItemPast({u"a"_s, u"s"_s}, u"s"_s, -1, shown),
              (QStringList{u"s"_s, u"a"_s}));
    EXPECT_EQ(steppingKnownItemPast({u"s"_s, u"a"_s}, u"s"_s, 1, shown),
              (QStringList{u"a"_s, u"s"_s}));

    // Titles sort right after the anchor.
    const TrayItemDescription chatItem{chat, u"Chat"_s, u"Communications"_s};
    const QList<TrayItemDescription> others{
        chatItem, {u"b"_s, u"Chat b"_s, chatItem.category}, {volume, u"Volume"_s, u"Hardware"_s}};
    for (const TrayHostKind host : {TrayHostKind::Plasma, TrayHostKind::Cinnamon}) {
        const TrayItemDescription after = sortKeyRightAfter(host, chatItem, others, 0);
        EXPECT_TRUE(hostSortsBefore(host, chatItem, after));
        EXPECT_TRUE(hostSortsBefore(host, after, others[1]));
        EXPECT_TRUE(hostSortsBefore(host, sortKeyRightAfter(host, chatItem, others, 0),
                                    sortKeyRightAfter(host, chatItem, others, 1)));
        EXPECT_TRUE(hostSortsBefore(host, sortKeyAtStart(host, others, 0), chatItem));
    }
    for (qsizetype index = 1; index < app::maximumSeparators; ++index)
        EXPECT_TRUE(hostSortsBefore(TrayHostKind::Plasma, sortKeyInSequence(index - 1),
                                    sortKeyInSequence(index)))
            << index;
}

TEST_F(PlacementTest, XfceMovesOwnIdsInKnownItemsPlacesNewOnesAfterTheirSourceAndForgetsRemoved) {
    store({separator(u"—"), separator(u"|"), separator(u"•")});
    sim.trayPlacement.setKnownItemsOf(xfce.xfcePlugin, {u"old"_s, chat, volume});
    sim.trayPlacement.setOtherItems({{chat, u"Chat"_s, {}}, {volume, u"Volume"_s, {}}});
    startOn(xfce);
    // Entries of programs not running are passed over.
    choose(2, {u"Move Right"_s});
    EXPECT_EQ(known(), (QStringList{id(0), id(1), u"old"_s, chat, id(2), volume}));
    // The new one is listed, and known, right after its source.
    choose(1, {u"New"_s});
    EXPECT_EQ(known(), (QStringList{id(0), id(1), id(2), u"old"_s, chat, id(3), volume}));
    const int writes = sim.trayPlacement.knownItemsWrites;
    startOn(xfce);
    EXPECT_EQ(sim.trayPlacement.knownItemsWrites, writes);
    const QString removed = id(1);
    choose(1, {u"Remove"_s});
    EXPECT_EQ(known(), (QStringList{id(0), id(1), u"old"_s, chat, id(2), volume}));
    EXPECT_FALSE(known().contains(removed));
}

// Placed after another program's item, a separator keeps that place across
// restarts and follows the item when it is renamed. Move Left steps past one
// item at a time: after Alpha, then to the start; no step leaves a separator
// without a title that names it, and New puts the new one right after its
// source.
TEST_F(PlacementTest, SortingHostsKeepThePlaceChosenAndStepPastOneItemAtATime) {
    store({separator(u"—")});
    const TrayItemDescription alpha{u"a"_s, u"Alpha"_s, u"Communications"_s};
    const TrayItemDescription charlie{u"c"_s, u"Charlie"_s, alpha.category};
    sim.trayPlacement.setOtherItems({alpha, {u"b"_s, u"Bravo"_s, alpha.category}, charlie});
    startOn(plasma);
    const auto key = [&](qsizetype index) {
        return TrayItemDescription{id(index), sim.trayPlacement.sortKeys.value(id(index)).title,
                                   alpha.category};
    };
    const auto sortsBefore = [](const TrayItemDescription& a, const TrayItemDescription& b) {
        return app::hostSortsBefore(TrayHostKind::Plasma, a, b);
    };
    choose(0, {u"Place After"_s, u"Bravo"_s});
    const QString after = key(0).title;
    EXPECT_TRUE(after.startsWith(u"Bravo "_s)) << after.toStdString();
    EXPECT_EQ(sim.trayPlacement.sortKeys.value(id(0)).category, alpha.category);

    sim.trayPlacement.sortKeys.clear();
    sim.trayPlacement.setOtherItems({});
    startOn(plasma);
    EXPECT_EQ(key(0).title, after);
    sim.trayPlacement.setOtherItems({alpha, {u"b"_s, u"Brave"_s, alpha.category}, charlie});
    sim.queue.runUntilIdle();
    EXPECT_TRUE(key(0).title.startsWith(u"Brave "_s)) << key(0).title.toStdString();
    EXPECT_EQ(Defaults::get(keys::separatorPlacements(suite)).value(id(0)).title, u"Brave");

    choose(0, {u"Move Left"_s});
    EXPECT_TRUE(key(0).title.startsWith(u"Alpha "_s)) << key(0).title.toStdString();
    choose(0, {u"Move Left"_s});
    EXPECT_TRUE(sortsBefore(key(0), alpha));
    EXPECT_TRUE(placementEntries().startsWith(u"Move Left (disabled)"_s));
    choose(0, {u"New"_s});
    EXPECT_TRUE(sortsBefore(key(0), key(1)) && sortsBefore(key(1), alpha));
    for (qsizetype index = 0; index < 2; ++index)
        EXPECT_TRUE(key(index).title.contains(u"Gapsel separator"_s));
}

// Arrival-order hosts forget the order whenever they or Gapsel restart: the
// list is kept in the order the separators stand, so that the next start
// registers them that way. A new separator is listed right after its source,
// and those between it and the newest end arrive again after it.
TEST_F(PlacementTest, ArrivalHostsKeepTheArrangementInTheListAndPutNewOnesAfterTheirSource) {
    // Separators a, b, c by their first places in the list; n the new one.
    const std::tuple<TrayHost, QString, char16_t, QString, char16_t, QString> cases[] = {
        {gnome, u"Move to Left End"_s, u'c', u"cab"_s, u'a', u"canbac"_s},
        {lxqt, u"Move to Right End"_s, u'a', u"bca"_s, u'b', u"bncaca"_s},
    };
    for (const auto& [host, move, moved, afterMove, source, afterNew] : cases) {
        SCOPED_TRACE(host.process.toStdString());
        store({separator(u"—"), separator(u"|"), separator(u"•")});
        QHash<QChar, QString> ids{{u'a', id(0)}, {u'b', id(1)}, {u'c', id(2)}};
        const auto idsOf = [&](QStringView letters) {
            QStringList result;
            for (const QChar letter : letters)
                result.append(ids.value(letter));
            return result;
        };
        sim.trayPlacement.arrivals.clear();
        startOn(host);
        chooseFor(ids[moved], {move});
        EXPECT_EQ(sim.trayPlacement.arrivals, idsOf(QString(QChar(moved))));
        EXPECT_EQ(storedIds(), idsOf(afterMove));

        sim.trayPlacement.arrivals.clear();
        chooseFor(ids[source], {u"New"_s});
        ids.insert(u'n', storedIds().value(afterMove.indexOf(QChar(source)) + 1));
        // The list, then the separators that arrived again after the new one.
        EXPECT_EQ(storedIds(), idsOf(QStringView(afterNew).first(4)));
        EXPECT_EQ(sim.trayPlacement.arrivals, idsOf(QStringView(afterNew).sliced(4)));

        // The next start makes them so that they arrive in list order from
        // the host's oldest end.
        startOn(host);
        QStringList made;
        for (auto* each : items())
            made.append(each->autosaveName().value_or(QString()));
        if (host.kind == TrayHostKind::Gnome)
            std::reverse(made.begin(), made.end());
        EXPECT_EQ(made, storedIds());
    }
}

// Where the newest stand rightmost, a separator placed after another
// program's item arrives again after it, with ours that stood after that
// item; at the next start it waits for the item, and those listed after it
// wait with it, for a while at most. Moving it to the end forgets the item.
TEST_F(PlacementTest, ArrivalHostsPlaceAfterAnItemAndWaitForItAtTheNextStart) {
    store({separator(u"—"), separator(u"|"), separator(u"•")});
    const QString a = id(0), b = id(1), c = id(2);
    auto& tray = sim.trayPlacement;
    const TrayItemDescription chatItem{chat, u"Chat"_s, {}};
    tray.setOtherItems({chatItem});
    tray.trayOrder = {a, chat, b, c};
    startOn(lxqt);
    tray.arrivals.clear();
    chooseFor(c, {u"Place After"_s, u"Chat"_s});
    EXPECT_EQ(tray.arrivals, (QStringList{c, b}));
    EXPECT_EQ(storedIds(), (QStringList{a, c, b}));
    EXPECT_EQ(tray.trayOrder, (QStringList{a, chat, c, b}));

    const auto restartWithout = [&] {
        tray.setOtherItems({});
        startOn(lxqt);
        tray.arrivals.clear();
    };
    restartWithout();
    EXPECT_EQ(tray.held, (QStringList{c, b}));
    tray.setOtherItems({chatItem});
    sim.queue.runUntilIdle();
    EXPECT_EQ(tray.arrivals, (QStringList{c, b}));
    EXPECT_TRUE(tray.held.isEmpty());

    restartWithout();
    sim.queue.advance(app::ArrivalOrderPlacement::anchorWaitSeconds - 0.1);
    EXPECT_TRUE(tray.arrivals.isEmpty());
    sim.queue.advance(0.1);
    EXPECT_EQ(tray.arrivals, (QStringList{c, b}));

    chooseFor(c, {u"Move to Right End"_s});
    restartWithout();
    EXPECT_TRUE(tray.held.isEmpty());
    EXPECT_TRUE(Defaults::get(keys::separatorPlacements(suite)).isEmpty());
}

// The watcher came only after the separators had started: once its host is
// known, it gets them in list order by its own means.
TEST_F(PlacementTest, AHostKnownOnlyLaterOrTurnedRoundStillGetsTheListInOrder) {
    store({separator(u"—"), separator(u"|"), separator(u"•")});
    const QStringList ids{id(0), id(1), id(2)};
    const QStringList reversed{id(2), id(1), id(0)};
    auto& tray = sim.trayPlacement;
    const auto arrivals = [&] { return tray.arrivals; };
    const auto titles = [&] {
        QStringList result;
        for (const QString& each : ids)
            result.append(tray.sortKeys.value(each).title);
        return result;
    };
    const QList<std::tuple<TrayHost, std::function<QStringList()>, QStringList>> cases{
        {gnome, arrivals, reversed},
        {lxqt, arrivals, ids},
        {lxqtReversed, arrivals, reversed},
        {{TrayHostKind::XEmbedTray, QStringLiteral("trayer"), -1}, arrivals, reversed},
        {xfce, [&] { return known(); }, ids + QStringList{chat}},
        {plasma, titles,
         QStringList{u"Gapsel separator 001"_s, u"Gapsel separator 002"_s,
                     u"Gapsel separator 003"_s}},
    };
    for (const auto& [host, observed, expected] : cases) {
        tray.arrivals.clear();
        tray.sortKeys.clear();
        tray.setKnownItemsOf(xfce.xfcePlugin, {chat});
        sim.trayHosts.setHasWatcher(false);
        startOn(host);
        sim.trayHosts.setHasWatcher(true);
        sim.queue.runUntilIdle();
        EXPECT_EQ(observed(), expected) << host.process.toStdString();
        // The watcher goes and comes back with the same host: nothing moves.
        tray.arrivals.clear();
        sim.trayHosts.setHasWatcher(false);
        sim.queue.runUntilIdle();
        sim.trayHosts.setHasWatcher(true);
        sim.queue.runUntilIdle();
        EXPECT_TRUE(tray.arrivals.isEmpty()) << host.process.toStdString();
    }
    // LXQt's order turned round while running: they arrive again, last first.
    startOn(lxqt);
    tray.arrivals.clear();
    sim.trayHosts.setHosts({lxqtReversed});
    sim.queue.runUntilIdle();
    EXPECT_EQ(tray.arrivals, reversed);
}

qsizetype noticesLogged() {
    return testing_support::log().lines().filter(u"No system tray is running"_s).size();
}

// Logged each time; on screen once per login, for a returning user too.
TEST(NoTrayNotice, SaysOnceAfterAGraceAndAgainAfterATrayCameAndWent) {
    testing_support::log().clear();
    platform::sim::SimPlatform sim;
    platform::sim::SimMainQueue& queue = sim.queue;
    platform::sim::SimTrayHosts& hosts = sim.trayHosts;
    hosts.setHasWatcher(false);
    auto notice = std::make_unique<app::NoTrayNotice>(sim.platform(), false);

    queue.advance(app::NoTrayNotice::graceSeconds - 0.1);
    EXPECT_EQ(noticesLogged(), 0);
    queue.advance(0.1);
    EXPECT_EQ(noticesLogged(), 1);
    ASSERT_EQ(sim.notifications.bodies.size(), 1);
    EXPECT_TRUE(sim.notifications.bodies.first().contains(u"Add a system tray"_s));
    hosts.setHasWatcher(false);
    queue.advance(10);

    // A tray that comes within the grace is no cause.
    hosts.setHasWatcher(true);
    hosts.setHasWatcher(false);
    hosts.setHasWatcher(true);
    queue.advance(10);
    EXPECT_EQ(noticesLogged(), 1);
    hosts.setHasWatcher(false);
    queue.advance(10);
    EXPECT_EQ(noticesLogged(), 2);
    // A later start in the same login, like the first launch, whose check
    // warns of its own, says it on standard error only.
    notice = std::make_unique<app::NoTrayNotice>(sim.platform(), false);
    queue.advance(10);
    sim.loginSession.logOutAndIn();
    notice = std::make_unique<app::NoTrayNotice>(sim.platform(), true);
    queue.advance(10);
    EXPECT_EQ(noticesLogged(), 4);
    EXPECT_EQ(sim.notifications.bodies.size(), 1);
    EXPECT_TRUE(sim.alerts.shownAlerts().isEmpty());

    // The next login, with no notification server: an alert says it.
    sim.loginSession.logOutAndIn();
    sim.notifications.hasServer = false;
    notice = std::make_unique<app::NoTrayNotice>(sim.platform(), false);
    queue.advance(10);
    EXPECT_EQ(sim.notifications.bodies.size(), 1);
    ASSERT_EQ(sim.alerts.shownAlerts().size(), 1);
    EXPECT_EQ(sim.alerts.shownAlerts().first().message, u"Gapsel found no system tray"_s);
}

} // namespace
