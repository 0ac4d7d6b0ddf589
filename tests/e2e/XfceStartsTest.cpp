// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// XFCE's status tray shows only items it recorded in its known items, and it
// lost records when several items registered at once: every start of a fresh
// panel with Gapsel's five stored separators has to record and draw all five.

#include "DesktopTest.h"
#include "GapselProcess.h"
#include "StoredSeparators.h"
#include "TrayPicture.h"
#include "platform/linux/tray/XfconfStringArray.h"
#include "support/TestEnvironment.h"

#include <algorithm>

namespace {

const QStringList fiveCharacters{QStringLiteral("|"), QStringLiteral("—"), QStringLiteral("·"),
                                 QStringLiteral("•"), QStringLiteral("-")};

// GAPSEL_E2E_XFCE_STARTS sets how many starts (scripts/hosts makes 20).
int starts() {
    return qEnvironmentVariableIsSet("GAPSEL_E2E_XFCE_STARTS")
               ? std::max(1, qEnvironmentVariableIntValue("GAPSEL_E2E_XFCE_STARTS"))
               : 3;
}

struct StartSeen {
    int recorded = 0;
    int drawn = 0;
};

// One fresh desktop: the panel starts without known items.
StartSeen startOnce(int start) {
    e2e::VirtualDesktop desktop{testing_support::freshFolder(QStringLiteral("xfce-start")),
                                e2e::hostNamed(QStringLiteral("xfce"))};
    const QString failure = desktop.start();
    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
    if (!failure.isEmpty())
        return {};
    const QList<e2e::StoredSeparator> stored =
        e2e::seedSeparators(desktop.configHome(), fiveCharacters);
    const QImage empty = desktop.settledScreen();
    e2e::GapselProcess gapsel;
    if (!gapsel.start(desktop.environment()))
        return {};
    const platform::xdg::XfconfStringArray known(desktop.bus(), QStringLiteral("xfce4-panel"),
                                                 QStringLiteral("/plugins/plugin-1/known-items"));
    StartSeen seen;
    QImage screen;
    testing_support::processEventsUntil(
        [&] {
            const QStringList ids = known.read().value_or(QStringList());
            seen.recorded = int(std::ranges::count_if(
                stored, [&](const auto& separator) { return ids.contains(separator.id); }));
            screen = desktop.screenshot();
            seen.drawn = int(e2e::glyphsIn(empty, screen, desktop.host().tray).size());
            return seen.recorded == 5 && seen.drawn == 5;
        },
        20000);
    if (seen.recorded != 5 || seen.drawn != 5 || start == 0)
        e2e::saveScreen(screen, desktop.host().name, QStringLiteral("start-%1").arg(start + 1));
    return seen;
}

TEST(XfceStarts, EveryStartRecordsAndDrawsAllFiveSeparators) {
    if (!e2e::chosenHosts().contains(QStringLiteral("xfce")))
        GTEST_SKIP() << "not chosen in GAPSEL_E2E_HOSTS";
    QStringList failures;
    for (int start = 0; start < starts(); ++start) {
        const StartSeen seen = startOnce(start);
        if (seen.recorded != 5 || seen.drawn != 5)
            failures.append(QStringLiteral("start %1: %2 recorded, %3 drawn")
                                .arg(start + 1)
                                .arg(seen.recorded)
                                .arg(seen.drawn));
    }
    e2e::hostCheck(
        QStringLiteral("xfce"), "starts", failures.isEmpty(),
        QStringLiteral("%1 starts with 5 separators: %2 without all 5 recorded and drawn%3")
            .arg(starts())
            .arg(failures.size())
            .arg(failures.isEmpty() ? QString()
                                    : QStringLiteral(" (") + failures.join(QStringLiteral("; ")) +
                                          QLatin1Char(')')));
}

} // namespace
