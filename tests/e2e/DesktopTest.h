// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "StoredSeparators.h"
#include "TrayHost.h"
#include "VirtualDesktop.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace e2e {

// A test on a desktop of its own with one real tray host, which SetUp
// starts, and a tray host's view of the items there. A host that is not
// installed or not chosen (GAPSEL_E2E_HOSTS) skips the test.
class DesktopTest : public ::testing::Test {
protected:
    explicit DesktopTest(const QString& hostName = QStringLiteral("xfce"));
    void SetUp() override;

    [[nodiscard]] static bool eventually(const std::function<bool()>& condition,
                                         int timeoutMs = 20000);
    // The Ids of the items the watcher knows, in its order.
    QStringList idsInWatcher() const;
    // The bus name of the item with this Id; empty when there is none.
    QString serviceWithId(const QString& id) const;

    VirtualDesktop desktop;
    std::optional<TrayHost> host; // once the desktop's bus runs
};

// A test on a host's desktop on which a user set up separators earlier, by
// default three, each with a character of its own shape, so that a
// screenshot tells them apart. Gapsel has not started yet.
class SeededHostTest : public DesktopTest {
protected:
    explicit SeededHostTest(const std::string& hostName,
                            QStringList characters = {QStringLiteral("|"), QStringLiteral("—"),
                                                      QStringLiteral("·")})
        : DesktopTest(QString::fromStdString(hostName))
        , seededCharacters(std::move(characters)) {}
    void SetUp() override;

    void check(const char* name, bool passed, const QString& detail) const;
    // The glyphs the tray shows on `screen` that it did not show before Gapsel.
    QList<QRect> glyphs(const QImage& screen) const;
    // Their shapes, left to right ("|—·"), a red one as "R".
    QString shown(const QImage& screen) const;
    // What the tray shows once it is `expected` or the time is up.
    QString awaitShown(const QString& expected, int timeoutMs = 20000) const;
    // The contrast of each glyph with the panel around it.
    QList<double> contrasts(const QImage& screen) const;
    // A check that every glyph has at least the `least` contrast.
    void checkContrast(const char* name, const QImage& screen, double least) const;
    // Left-clicks the first of them, which brings up the menu.
    void checkLeftClick(const QImage& screen) const;

    const QStringList seededCharacters;
    QList<StoredSeparator> seeded;
    QImage empty; // the screen before Gapsel starts
    Program gapsel;
};

// A SeededHostTest on each host the parameter names.
class SeededOnEachHost : public SeededHostTest, public ::testing::WithParamInterface<std::string> {
protected:
    SeededOnEachHost()
        : SeededHostTest(GetParam()) {}
};

// Names a host's instance of a parameterised test after the host (no hyphens).
std::string nameOfHost(const ::testing::TestParamInfo<std::string>& host);

// Starts Gapsel with `environment` so that it logs what it finds out about
// the desktop, its alerts among it (see alertLine).
[[nodiscard]] bool startLogging(Program& gapsel, QProcessEnvironment environment);

// Lets the desktop run on for this long, for things that show no sign of being done.
void idle(int ms);

// One line for the table scripts/hosts prints ("[host-check] <host> <check>
// pass|FAIL <detail>"), and a test failure when the check did not pass.
void hostCheck(const QString& host, const char* check, bool passed, const QString& detail);

// What Gapsel's greeting says, which titles its window.
inline const QString greetingText = QStringLiteral("Hello, I'm Gapsel");
// The first alert Gapsel logged ("Alert: …"), or empty.
QString alertLine(Program& gapsel);

// Saves a screenshot under build/e2e/<host>/ as <name>-screen.png, and its
// tray, enlarged four times, as <name>.png.
void savePanel(const VirtualDesktop& desktop, const QImage& screen, const QString& name);
// How far apart two rectangles are: 0 where they touch or overlap.
int gapBetween(const QRect& a, const QRect& b);
// xdotool's words that put the pointer back where it starts, in the middle of
// the screen: off the panel, where no item shows a hover highlight, and out of
// the picture of a nested compositor, which draws the pointer into it.
inline const QString pointerAway =
    QStringLiteral("mousemove %1 %2").arg(screenWidth / 2).arg(screenHeight / 2);
// The screen with the menu that a click with this button (1: left) on the
// glyph brings up, which is then closed; null when no menu came up. The
// pointer ends away from the panel.
QImage menuOnClick(const VirtualDesktop& desktop, const QImage& screen, const QRect& glyph,
                   int button = 1);

// Makes as many starts as `variable` says (scripts/hosts sets it high; 3
// without it) and judges them as the host's "starts" check. Each start
// returns what went wrong, or nothing.
void checkStarts(const QString& host, const char* variable, const QString& what,
                 const std::function<QString(int)>& start);

} // namespace e2e
