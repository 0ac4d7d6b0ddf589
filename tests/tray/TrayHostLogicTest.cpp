// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/RegistrationQueue.h"
#include "platform/linux/tray/TrayHostClassification.h"
#include "platform/linux/tray/TrayItemTitle.h"
#include "platform/linux/tray/XEmbedDocking.h"
#include "platform/sim/SimTrayHosts.h"

#include <gtest/gtest.h>

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
        // Named processes come from one table; one row stands for them.
        {process("kded5"), TrayHostKind::Plasma, -1},
        {process("panel-1-systray"), TrayHostKind::Xfce, 1},
        // The short name is cut at 15 characters; the wrapper's arguments say N.
        {process("panel-12-systra", {wrapper, u"libsystray.so"_s, u"12"_s, u"123"_s, u"systray"_s}),
         TrayHostKind::Xfce, 12},
        {process("notification-ar", {u"/usr/libexec/notification-area-applet"_s}),
         TrayHostKind::Mate, -1},
        {process("snixembed"), TrayHostKind::Unknown, -1},
    };
    for (const auto& [given, kind, plugin] : cases)
        EXPECT_EQ(trayHostOfProcess(given), (TrayHost{kind, given.comm, plugin}))
            << given.comm.toStdString();
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
TEST(XEmbedDockingTest, ItemsDockInArrivalOrderAndMoveWholeBetweenTheTrays) {
    struct Item final : XEmbedDockable {
        Item(const char* name, QStringList& log)
            : name(QString::fromLatin1(name))
            , log(log) {}
        void dock() override { log.append(u"dock "_s + name); }
        void undock() override { log.append(u"undock "_s + name); }
        QString name;
        QStringList& log;
    };
    platform::sim::SimTrayHosts hosts;
    QStringList log;
    const auto take = [&] { return std::exchange(log, {}).join(u','); };
    const TrayHost trayer{TrayHostKind::XEmbedTray, u"trayer"_s, -1};
    const TrayHost lxqt{TrayHostKind::Lxqt, u"lxqt-panel"_s, -1};
    XEmbedDocking docking{hosts};
    hosts.setHosts({trayer});
    Item a("A", log), b("B", log), c("C", log);
    for (Item* item : {&a, &b, &c})
        docking.add(*item);
    EXPECT_EQ(take(), u"dock A,dock B,dock C"_s);
    // Move to the newest end: A docks anew, after the others.
    docking.arriveAgain(a);
    EXPECT_EQ(take(), u"dock A"_s);

    // A watcher starts: every icon leaves the XEmbed tray, none docks again.
    hosts.setHosts({lxqt});
    EXPECT_EQ(take(), u"undock B,undock C,undock A"_s);
    // Changes among StatusNotifierItem hosts, and moves there, dock nothing.
    hosts.setHosts({lxqt, {TrayHostKind::Waybar, u"waybar"_s, -1}});
    docking.remove(b);
    EXPECT_EQ(take(), QString());

    // The watcher stops: the items left dock again in the order the user
    // made, A last; a tray that restarts (or replaces it) gets them all again.
    hosts.setHosts({trayer});
    EXPECT_EQ(take(), u"dock C,dock A"_s);
    hosts.setHasWatcher(true);
    EXPECT_EQ(take(), u"dock C,dock A"_s);
    // No tray at all: nothing stays docked, nothing new docks.
    hosts.setHasWatcher(false);
    Item d("D", log);
    docking.add(d);
    EXPECT_EQ(take(), u"undock C,undock A"_s);
    for (Item* item : {&a, &c, &d})
        docking.remove(*item);
}

} // namespace
