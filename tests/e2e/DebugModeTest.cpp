// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DesktopTest.h"
#include "Program.h"

#include <gtest/gtest.h>

#include <algorithm>
using namespace Qt::StringLiterals;

namespace {

// What a probe printed so far, line by line.
QStringList lines(e2e::Program& probe) {
    return probe.output().split(u'\n', Qt::SkipEmptyParts);
}

class DebugAndShortcuts : public e2e::DesktopTest {};

// Control+Shift+K: classic key code 0x28, control 0x1000 | shift 0x200.
const QStringList ctrlShiftK = {QStringLiteral("40"), QStringLiteral("4608")};

TEST_F(DebugAndShortcuts, AGrabbedShortcutFiresWhateverNumLockSaysAndIsRefusedToOthers) {
    e2e::Program probe(QStringLiteral(HOTKEY_PROBE_EXECUTABLE));
    ASSERT_TRUE(probe.start(desktop.environment(), ctrlShiftK, QProcess::ForwardedErrorChannel));
    ASSERT_TRUE(eventually([&] { return lines(probe) == QStringList{u"registered"_s}; }))
        << probe.output().toStdString();

    desktop.xdotool(QStringLiteral("key ctrl+shift+k"));
    ASSERT_TRUE(eventually([&] { return lines(probe).size() == 3; }));
    desktop.xdotool(QStringLiteral("key Num_Lock ctrl+shift+k"));
    ASSERT_TRUE(eventually([&] { return lines(probe).size() == 5; }));
    // Without Shift it is another combination, which nobody registered.
    desktop.xdotool(QStringLiteral("key Num_Lock ctrl+k"));
    EXPECT_FALSE(eventually([&] { return lines(probe).size() > 5; }, 1000));
    EXPECT_EQ(lines(probe), (QStringList{u"registered"_s, u"down"_s, u"up"_s, u"down"_s, u"up"_s}));

    e2e::Program other(QStringLiteral(HOTKEY_PROBE_EXECUTABLE));
    ASSERT_TRUE(other.start(desktop.environment(), ctrlShiftK, QProcess::ForwardedErrorChannel));
    ASSERT_TRUE(eventually([&] { return !lines(other).isEmpty(); }));
    EXPECT_EQ(lines(other), QStringList{u"refused"_s});
}

// Shift and Control held at start, or --debug where held keys cannot be read,
// offer the Debug entry, which opens the debug window.
TEST_F(DebugAndShortcuts, ShiftControlAtStartOrTheDebugOptionOfferTheDebugWindow) {
    const QStringList debugWindow{QStringLiteral("--name"), QStringLiteral("^Gapsel .* Debug$")};
    for (const bool held : {true, false}) {
        SCOPED_TRACE(held ? "Shift and Control held" : "--debug");
        if (held)
            desktop.xdotool(QStringLiteral("keydown shift ctrl"));
        e2e::Program gapsel;
        ASSERT_TRUE(gapsel.start(desktop.environment(),
                                 held ? QStringList() : QStringList{QStringLiteral("--debug")}));
        QString item;
        ASSERT_TRUE(eventually([&] {
            item = host->itemServices().value(0);
            return std::ranges::any_of(host->menu(item).children, [](const auto& entry) {
                return entry.properties.value(QStringLiteral("label")) == QStringLiteral("Debug");
            });
        }));
        if (held)
            desktop.xdotool(QStringLiteral("keyup shift ctrl"));
        ASSERT_TRUE(host->choose(item, {QStringLiteral("Debug")}));
        EXPECT_TRUE(eventually([&] { return !desktop.visibleWindow(debugWindow).isEmpty(); }));
        desktop.saveScreenshot(QStringLiteral("debug-window"));
        EXPECT_TRUE(gapsel.running());
    }
}

} // namespace
