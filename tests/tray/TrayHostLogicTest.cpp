// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/RegistrationQueue.h"
#include "platform/linux/tray/TrayHostClassification.h"
#include "platform/linux/tray/TrayItemTitle.h"
#include "platform/linux/tray/XEmbedDocking.h"
#include "platform/sim/SimTrayHosts.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

using namespace platform;
using namespace platform::xdg;

namespace {

BusProcess process(const char* comm, QStringList cmdline = {}) {
    return BusProcess{QString::fromLatin1(comm), std::move(cmdline)};
}

TEST(TrayHostClassification, ProcessesNameTheirHosts) {
    const QString wrapper = u"/usr/lib/x86_64-linux-gnu/xfce4/panel/wrapper-2.0"_s;
    const struct {
        BusProcess process;
        TrayHostKind kind;
        int xfcePlugin;
    } cases[] = {
        {process("kded5"), TrayHostKind::Plasma, -1},
        {process("kded6"), TrayHostKind::Plasma, -1},
        {process("panel-1-systray"), TrayHostKind::Xfce, 1},
        // The short name is cut at 15 characters; the wrapper's arguments say N.
        {process("panel-12-systra", {wrapper, u"libsystray.so"_s, u"12"_s, u"123"_s, u"systray"_s}),
         TrayHostKind::Xfce, 12},
        {process("gnome-shell"), TrayHostKind::Gnome, -1},
        {process("lxqt-panel"), TrayHostKind::Lxqt, -1},
        {process("waybar"), TrayHostKind::Waybar, -1},
        {process("xapp-sn-watcher"), TrayHostKind::Cinnamon, -1},
        {process("budgie-daemon"), TrayHostKind::Budgie, -1},
        {process("notification-ar", {u"/usr/libexec/notification-area-applet"_s}),
         TrayHostKind::Mate, -1},
        {process("snixembed"), TrayHostKind::Unknown, -1},
    };
    for (const auto& [given, kind, plugin] : cases) {
        const TrayHost host = trayHostOfProcess(given);
        EXPECT_EQ(host.kind, kind) << given.comm.toStdString();
        EXPECT_EQ(host.xfcePlugin, plugin) << given.comm.toStdString();
        EXPECT_EQ(host.process, given.comm);
    }
}

TEST(TrayHostClassification, TheWatcherComesFirstEachHostOnceTheDesktopNameLast) {
    const auto kinds = [](const QList<TrayHost>& hosts) {
        QList<TrayHostKind> result;
        for (const TrayHost& host : hosts)
            result.append(host.kind);
        return result;
    };
    const QString plasma = u"KDE"_s;
    EXPECT_TRUE(trayHostsOf(std::nullopt, {process("plasmashell")}, plasma).isEmpty());
    // Plasma's watcher and its shell are one host; Waybar inside it another.
    EXPECT_EQ(
        kinds(trayHostsOf(process("kded5"), {process("plasmashell"), process("waybar")}, plasma)),
        (QList{TrayHostKind::Plasma, TrayHostKind::Waybar}));
    // A stand-alone watcher says nothing about the host; a host that
    // registered does.
    EXPECT_EQ(kinds(trayHostsOf(process("snixembed"), {process("lxqt-panel")}, plasma)),
              QList{TrayHostKind::Lxqt});
    for (const auto& [desktop, kind] : {std::pair{"ubuntu:GNOME", TrayHostKind::Gnome},
                                        {"XFCE", TrayHostKind::Xfce},
                                        {"X-Cinnamon", TrayHostKind::Cinnamon},
                                        {"sway", TrayHostKind::Unknown}})
        EXPECT_EQ(kinds(trayHostsOf(process("snixembed"), {}, QString::fromLatin1(desktop))),
                  QList{kind})
            << desktop;
}

TEST(TrayItemTitle, NamesTheGlyphNeverAnIdentifier) {
    const QString kind = u"Gapsel separator"_s;
    EXPECT_EQ(trayItemTitle(kind, u"\t"_s), kind + u": tab"_s);
    EXPECT_EQ(trayItemTitle(kind, u"~~"_s), kind + u": \u201C~~\u201D"_s);
}

class RegistrationQueueTest : public ::testing::Test {
protected:
    QStringList asked;
    int waits = 0;
    RegistrationQueue queue{{
        [this](RegistrationQueue::Key key) { asked.append(u"register %1"_s.arg(key)); },
        [this](RegistrationQueue::Key key) { asked.append(u"anew %1"_s.arg(key)); },
        [this] { ++waits; },
    }};

    QStringList take() { return std::exchange(asked, {}); }
};

TEST_F(RegistrationQueueTest, ItemsRegisterOneAtATimeInTheirOrder) {
    queue.enqueue(1, u"A"_s);
    queue.enqueue(2, u"B"_s);
    queue.enqueue(2, u"B"_s);
    EXPECT_EQ(take(), QStringList{u"register 1"_s});
    queue.registrationAnswered(2);
    EXPECT_EQ(take(), QStringList{});
    queue.registrationAnswered(1);
    EXPECT_EQ(take(), QStringList{u"register 2"_s});
    // Waiting items keep the order they were made in; an item that goes
    // while it registers lets the next one go.
    queue.enqueue(4, u"D"_s);
    queue.enqueue(3, u"C"_s);
    queue.forget(2);
    EXPECT_EQ(take(), QStringList{u"register 3"_s});
    EXPECT_EQ(waits, 0);
}

TEST_F(RegistrationQueueTest, PacedItemsWaitForTheRecordAndUnrecordedOnesRegisterAnew) {
    queue.setPacing(RegistrationQueue::Pacing::Undecided);
    queue.enqueue(1, u"A"_s);
    queue.enqueue(2, u"B"_s);
    queue.enqueue(3, u"C"_s);
    EXPECT_EQ(take(), QStringList{});
    queue.setPacing(RegistrationQueue::Pacing::AwaitRecord);
    EXPECT_EQ(take(), QStringList{u"register 1"_s});

    queue.registrationAnswered(1);
    EXPECT_EQ(waits, 1);
    queue.recordedIdsChanged({u"other"_s});
    EXPECT_EQ(take(), QStringList{});
    queue.recordedIdsChanged({u"other"_s, u"A"_s});
    EXPECT_EQ(take(), QStringList{u"register 2"_s});
    // B's record was lost: after the wait the next goes all the same.
    queue.registrationAnswered(2);
    queue.recordWaitElapsed();
    EXPECT_EQ(take(), QStringList{u"register 3"_s});
    queue.registrationAnswered(3);
    queue.recordedIdsChanged({u"A"_s, u"C"_s});
    EXPECT_EQ(take(), QStringList{u"anew 2"_s});

    // Given up after a few tries, so a host that never records ends it.
    for (int retry = 1; retry < RegistrationQueue::maximumRetries; ++retry) {
        queue.registrationAnswered(2);
        queue.recordWaitElapsed();
        EXPECT_EQ(take(), QStringList{u"anew 2"_s});
    }
    queue.registrationAnswered(2);
    queue.recordWaitElapsed();
    EXPECT_EQ(take(), QStringList{});
    // An item the host has recorded already does not wait.
    const int waitsBefore = waits;
    queue.enqueue(1, u"A"_s);
    queue.registrationAnswered(1);
    EXPECT_EQ(waits, waitsBefore);
}

// Items moving between an XEmbed tray and StatusNotifierItem hosts, on the
// simulated desktop's hosts: each item logs what it is told.
class XEmbedDockingTest : public ::testing::Test {
protected:
    struct Item final : XEmbedDockable {
        Item(QString name, QStringList& log)
            : name(std::move(name))
            , log(log) {}
        void dock() override { log.append(u"dock "_s + name); }
        void undock() override { log.append(u"undock "_s + name); }
        QString name;
        QStringList& log;
    };

    static TrayHost xembedTray() { return {TrayHostKind::XEmbedTray, u"trayer"_s, -1}; }
    static TrayHost lxqt() { return {TrayHostKind::Lxqt, u"lxqt-panel"_s, -1}; }
    Item& add(const char* name) {
        items.push_back(std::make_unique<Item>(QString::fromLatin1(name), log));
        docking.add(*items.back());
        return *items.back();
    }
    QStringList take() { return std::exchange(log, {}); }

    platform::sim::SimTrayHosts hosts;
    QStringList log;
    std::vector<std::unique_ptr<Item>> items;
    XEmbedDocking docking{hosts};
};

TEST_F(XEmbedDockingTest, ItemsDockInArrivalOrderAndMoveWholeBetweenTheTrays) {
    hosts.setHosts({xembedTray()});
    Item& a = add("A");
    add("B");
    add("C");
    EXPECT_EQ(take(), (QStringList{u"dock A"_s, u"dock B"_s, u"dock C"_s}));
    // Move to Right End: A docks anew, after the others.
    docking.arriveAgain(a);
    EXPECT_EQ(take(), QStringList{u"dock A"_s});

    // A watcher starts: every icon leaves the XEmbed tray, none docks again.
    hosts.setHosts({lxqt()});
    EXPECT_EQ(take(), (QStringList{u"undock B"_s, u"undock C"_s, u"undock A"_s}));
    // Changes among StatusNotifierItem hosts, and moves there, dock nothing.
    hosts.setHosts({lxqt(), {TrayHostKind::Waybar, u"waybar"_s, -1}});
    docking.remove(*items[1]);
    EXPECT_EQ(take(), QStringList{});

    // The watcher stops: the items that are left dock again in the order the
    // user made, A last.
    hosts.setHosts({xembedTray()});
    EXPECT_EQ(take(), (QStringList{u"dock C"_s, u"dock A"_s}));
    // A tray that restarts (or another that replaces it) gets all of them.
    hosts.setHasWatcher(true);
    EXPECT_EQ(take(), (QStringList{u"dock C"_s, u"dock A"_s}));
    // No tray at all: nothing stays docked.
    hosts.setHasWatcher(false);
    EXPECT_EQ(take(), (QStringList{u"undock C"_s, u"undock A"_s}));
    add("D");
    EXPECT_EQ(take(), QStringList{});
}

} // namespace
