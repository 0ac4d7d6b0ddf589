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
    return e2e::repetitions("GAPSEL_E2E_XFCE_STARTS");
}

// One fresh desktop, whose panel starts without known items: what went
// wrong, or nothing.
QString startOnce(int start) {
    e2e::VirtualDesktop desktop{testing_support::freshFolder(QStringLiteral("xfce-start")),
                                e2e::hostNamed(QStringLiteral("xfce"))};
    const QString failure = desktop.start();
    if (!failure.isEmpty())
        return failure;
    const QList<e2e::StoredSeparator> stored =
        e2e::seedSeparators(desktop.configHome(), fiveCharacters);
    const QImage empty = desktop.settledScreen();
    e2e::GapselProcess gapsel;
    if (!gapsel.start(desktop.environment()))
        return QStringLiteral("Gapsel does not start");
    const platform::xdg::XfconfStringArray known(desktop.bus(), QStringLiteral("xfce4-panel"),
                                                 QStringLiteral("/plugins/plugin-1/known-items"));
    qsizetype recorded = 0;
    qsizetype drawn = 0;
    QImage screen;
    const bool all = testing_support::processEventsUntil(
        [&] {
            const QStringList ids = known.read().value_or(QStringList());
            recorded = std::ranges::count_if(
                stored, [&](const auto& separator) { return ids.contains(separator.id); });
            screen = desktop.screenshot();
            drawn = e2e::glyphsIn(empty, screen, desktop.host().tray).size();
            return recorded == 5 && drawn == 5;
        },
        20000);
    if (!all || start == 0)
        e2e::saveScreen(screen, desktop.host().name, QStringLiteral("start-%1").arg(start + 1));
    return all ? QString() : QStringLiteral("%1 recorded, %2 drawn").arg(recorded).arg(drawn);
}

TEST(XfceStarts, EveryStartRecordsAndDrawsAllFiveSeparators) {
    if (!e2e::chosenHosts().contains(QStringLiteral("xfce")))
        GTEST_SKIP() << "not chosen in GAPSEL_E2E_HOSTS";
    QStringList failures;
    for (int start = 0; start < starts(); ++start)
        if (const QString failure = startOnce(start); !failure.isEmpty())
            failures.append(QStringLiteral("start %1: ").arg(start + 1) + failure);
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
