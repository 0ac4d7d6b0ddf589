// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// Trays that take only XEmbed icons (trayer, tint2, i3's bar), with no
// StatusNotifierWatcher on the bus: the separators dock there in list order,
// greet and answer clicks there, and (in trayer) move to a StatusNotifierItem
// host that starts later, and back when it ends.

#include "DesktopTest.h"
#include "StoredSeparators.h"
#include "TrayPicture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// By then a first launch's visibility check has spoken.
constexpr int quietFirstLaunchMs = 15000;

class XEmbedTray : public e2e::SeededOnEachHost {
protected:
    QList<QRect> docked() const { return glyphs(desktop.screenshot()); }
    // The list as the menu's New, a character change and Remove write it.
    QString writeList(const QString& characters) {
        QList<e2e::StoredSeparator> list;
        for (qsizetype index = 0; index < characters.size(); ++index)
            list.append({index < seeded.size() ? seeded[index].id
                                               : u"0F3C2A51-7B6D-4E08-9A1C-5D2E8F4B7A90"_s,
                         characters[index]});
        return e2e::writeSeparators(desktop, list);
    }
    void checkHandover();
};

TEST_P(XEmbedTray, SeparatorsDockInOrderGreetAnswerClicksAndKeepTheirOrder) {
    // A first launch, so that the greeting and the visibility check run.
    ASSERT_EQ(desktop
                  .run(QStringLiteral(GAPSEL_DEFAULTS_EXECUTABLE),
                       {u"delete"_s, QStringLiteral(GAPSEL_BUNDLE_ID), u"JX_launchCount"_s})
                  .toStdString(),
              "");
    QElapsedTimer launched;
    launched.start();
    ASSERT_TRUE(e2e::startLogging(gapsel, desktop.environment()));
    const QString order = seededCharacters.join(QString());
    const QString atStart = awaitShown(order);
    const QImage screen = desktop.screenshot();
    e2e::savePanel(desktop, screen, u"separators"_s);
    check("order", atStart == order, u"drawn %1, expected %2"_s.arg(atStart, order));
    checkContrast("contrast", screen, 3.0);
    const QList<QRect> drawn = glyphs(screen);
    const QRect icons = std::accumulate(drawn.cbegin(), drawn.cend(), QRect(), std::bit_or<>());

    // The greeting stands right above or below the docked icons.
    QRect greeting;
    // A greeting that never came is judged below, with the rest of the checks.
    static_cast<void>(eventually(
        [&] { return (greeting = desktop.windowNamed(e2e::greetingText)).isValid(); }, 8000));
    e2e::savePanel(desktop, desktop.screenshot(), u"greeting"_s);
    check("greeting",
          greeting.isValid() && greeting.left() <= icons.right() &&
              greeting.right() >= icons.left() && !greeting.intersects(icons) &&
              e2e::gapBetween(greeting, icons) < 40,
          u"greeting at %1,%2, icons at %3,%4"_s.arg(greeting.x())
              .arg(greeting.y())
              .arg(icons.x())
              .arg(icons.y()));

    EXPECT_TRUE(eventually([&] { return !desktop.windowNamed(e2e::greetingText).isValid(); }, 8000))
        << "the greeting closes by itself";
    checkLeftClick(desktop.screenshot());
    // New, a character change and Remove show at once; a new separator
    // docks at the tray's newest end (trayer's is the left).
    const bool newestLeft = desktop.host().name == u"trayer"_s;
    QStringList expected;
    QStringList steps;
    for (const QString& list : {u"|—·|"_s, u"||·|"_s, order}) {
        expected.append(newestLeft && list.size() == 4 ? list.right(1) + list.left(3) : list);
        steps.append(writeList(list).isEmpty() ? awaitShown(expected.last(), 5000)
                                               : u"not written"_s);
    }
    check("new-char-remove", steps == expected,
          u"shown after New, a change, Remove: "_s + steps.join(u", "_s));

    e2e::idle(std::max<int>(0, quietFirstLaunchMs - launched.elapsed()));
    check("no-alert", e2e::alertLine(gapsel).isEmpty(), e2e::alertLine(gapsel));

    gapsel.stop();
    ASSERT_TRUE(eventually([&] { return docked().isEmpty(); }, 10000))
        << "the icons leave the tray";
    ASSERT_TRUE(gapsel.start(desktop.environment()));
    const QString again = awaitShown(order);
    check("restart", again == order, u"drawn %1 after a restart"_s.arg(again));
    if (desktop.host().name == u"trayer"_s)
        checkHandover();
}

// LXQt's panel, which keeps the watcher itself, starts along the top of the
// screen above trayer: it takes the separators over, and gives them back
// when it ends.
void XEmbedTray::checkHandover() {
    if (QStandardPaths::findExecutable(u"lxqt-panel"_s).isEmpty())
        return;
    ASSERT_EQ(desktop.copyFiles(e2e::hostNamed(u"lxqt"_s).files).toStdString(), "");
    e2e::Program lxqt(u"lxqt-panel"_s);
    ASSERT_TRUE(lxqt.start(desktop.environment()));
    ASSERT_TRUE(eventually([&] { return host->hostRegistered(); }, 60000));
    QElapsedTimer watched;
    watched.start();
    const bool taken = eventually([&] { return idsInWatcher().size() == 3 && docked().isEmpty(); });
    const qint64 takenAfter = watched.elapsed();
    e2e::savePanel(desktop, desktop.screenshot(), u"handed-to-lxqt"_s);
    check("handover", taken && takenAfter <= 2000,
          u"%1 items with the watcher, %2 docked, after %3 ms"_s.arg(idsInWatcher().size())
              .arg(docked().size())
              .arg(takenAfter));

    lxqt.stop();
    const QString order = seededCharacters.join(QString());
    const QString back = awaitShown(order, 10000);
    e2e::savePanel(desktop, desktop.screenshot(), u"handed-back"_s);
    check("handback", back == order, u"docked again: %1"_s.arg(back));
}

INSTANTIATE_TEST_SUITE_P(Hosts, XEmbedTray, ::testing::Values("trayer", "tint2", "i3bar"),
                         e2e::nameOfHost);

} // namespace
