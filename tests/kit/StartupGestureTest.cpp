// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "KitTestSupport.h"
#include "kit/ModifierGesture.h"

#include <gtest/gtest.h>

using kit_testing::Launches;
using platform::ModifierFlags;
using Key = platform::ModifierKey;

namespace {

TEST(ModifierGesture, OnlyTheExactSetCountsWithLockAndPadFlagsIgnored) {
    const ModifierFlags shiftControl = Key::Shift | Key::Control;
    EXPECT_TRUE(kit::holdsExactly(shiftControl, kit::debugModeGesture));
    EXPECT_TRUE(kit::holdsExactly(shiftControl | Key::CapsLock | Key::NumericPad | Key::Function,
                                  kit::debugModeGesture));

    EXPECT_FALSE(kit::holdsExactly(Key::Shift, kit::debugModeGesture));
    EXPECT_FALSE(kit::holdsExactly(shiftControl | Key::Help, kit::debugModeGesture));
    EXPECT_FALSE(kit::holdsExactly(shiftControl | Key::Option, kit::debugModeGesture));
    EXPECT_FALSE(kit::holdsExactly(shiftControl | Key::Command, kit::debugModeGesture));
    EXPECT_FALSE(kit::holdsExactly({}, kit::debugModeGesture));
}

struct Journal {
    QStringList entries;
    StartupGestureHandlers handlers() {
        return {[this] { entries.append(QStringLiteral("support")); },
                [this] { entries.append(QStringLiteral("deletion")); }};
    }
};

TEST(StartupGestures, SupportWindowOpensForItsGestureEvenWithCapsLock) {
    Launches launches;
    Journal journal;
    launches.sim.modifiers.hold(kit::supportWindowGesture | Key::CapsLock);
    launches.launch(journal.handlers());
    EXPECT_TRUE(journal.entries.isEmpty()) << "gestures wait for the main queue";
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(journal.entries, QStringList{QStringLiteral("support")});
}

TEST(StartupGestures, HelpBreaksTheSupportWindowGesture) {
    Launches launches;
    Journal journal;
    launches.sim.modifiers.hold(kit::supportWindowGesture | Key::Help);
    launches.launch(journal.handlers());
    launches.sim.queue.runUntilIdle();
    EXPECT_TRUE(journal.entries.isEmpty());
}

TEST(StartupGestures, DeletionNeedsAllFourKeys) {
    Launches launches;
    Journal journal;
    launches.sim.modifiers.hold(kit::dataDeletionGesture | Key::CapsLock);
    launches.launch(journal.handlers());
    launches.sim.queue.runUntilIdle();
    EXPECT_EQ(journal.entries, QStringList{QStringLiteral("deletion")});
}

TEST(StartupGestures, ScheduledWorkRunsInItsOrderAndSettlesDebugModeOnce) {
    Launches launches;
    launches.suite().set(true, QStringLiteral("JX_isShowingSettingsAfterRelaunch"));
    Journal journal;
    // Each step changes the keys held, so each later step shows by what it
    // sees that it ran after the earlier one.
    StartupGestureHandlers handlers{[&] {
                                        journal.entries.append(QStringLiteral("support"));
                                        launches.sim.modifiers.hold(kit::dataDeletionGesture);
                                    },
                                    [&] {
                                        journal.entries.append(QStringLiteral("deletion"));
                                        launches.sim.modifiers.hold(kit::debugModeGesture);
                                    }};
    launches.sim.settingsWindow.installOpener([&] {
        journal.entries.append(QStringLiteral("settings"));
        launches.sim.modifiers.hold({});
    });
    launches.sim.modifiers.hold(kit::supportWindowGesture);

    JXKit& kit = launches.launch(handlers);
    launches.sim.queue.runUntilIdle();

    EXPECT_EQ(journal.entries, QStringList({QStringLiteral("support"), QStringLiteral("deletion"),
                                            QStringLiteral("settings")}));
    EXPECT_TRUE(kit.isDebugMode()) << "settled after the deletion step, before the settings";
}

TEST(StartupGestures, DebugModeIsFixedAtItsFirstEvaluation) {
    Launches launches;
    launches.sim.modifiers.hold(kit::debugModeGesture | Key::CapsLock);
    JXKit& kit = launches.launch();
    EXPECT_TRUE(kit.isDebugMode());
    launches.sim.modifiers.hold({});
    launches.sim.queue.runUntilIdle();
    EXPECT_TRUE(kit.isDebugMode());
}

} // namespace
