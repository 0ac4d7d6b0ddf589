// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/NoTrayNotice.h"
#include "debug/InMemoryLog.h"
#include "platform/sim/SimMainQueue.h"
#include "platform/sim/SimTrayHosts.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using platform::TrayHostKind;

namespace {

qsizetype noticesLogged() {
    return debug::InMemoryLog::shared().lines().filter(u"No system tray is running"_s).size();
}

TEST(NoTrayNotice, SaysOnceAfterAGraceWhenNoTrayIsThereAndAgainAfterOneCameAndWent) {
    debug::InMemoryLog::shared().clear();
    platform::sim::SimMainQueue queue;
    platform::sim::SimTrayHosts hosts;
    hosts.setHasWatcher(false);
    app::NoTrayNotice notice(hosts, queue);

    queue.advance(app::NoTrayNotice::graceSeconds - 0.1);
    EXPECT_EQ(noticesLogged(), 0);
    queue.advance(0.1);
    EXPECT_EQ(noticesLogged(), 1);
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
}

TEST(NoTrayNotice, AdvisesWhatMakesATrayOnThisDesktop) {
    for (const auto& [desktop, advice] :
         {std::pair{TrayHostKind::Gnome, "gnome-shell-extension-appindicator"},
          {TrayHostKind::Xfce, "Status Tray"},
          {TrayHostKind::Unknown, "snixembed"}}) {
        const QString message = app::noTrayMessage(desktop);
        EXPECT_TRUE(
            message.startsWith(u"No system tray is running that shows StatusNotifierItems: "_s));
        EXPECT_TRUE(message.contains(QLatin1String(advice))) << message.toStdString();
    }
}

} // namespace
