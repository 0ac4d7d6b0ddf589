// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "KitTestSupport.h"
#include "kit/ModifierGesture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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
}

TEST(StartupGestures, EachStepWaitsForTheMainQueueAndNeedsExactlyItsKeys) {
    const struct {
        ModifierFlags held;
        QStringList ran;
    } table[] = {
        {kit::supportWindowGesture | Key::CapsLock, {u"support"_s}},
        {kit::dataDeletionGesture | Key::CapsLock, {u"deletion"_s}},
    };
    for (const auto& row : table) {
        Launches launches;
        QStringList ran;
        launches.sim.modifiers.hold(row.held);
        launches.launch(
            {[&] { ran.append(u"support"_s); }, [&](JXKit&) { ran.append(u"deletion"_s); }});
        EXPECT_TRUE(ran.isEmpty()) << "gestures wait for the main queue";
        launches.sim.queue.runUntilIdle();
        EXPECT_EQ(ran, row.ran) << row.ran.join(QLatin1Char(' ')).toStdString();
    }
}

TEST(StartupGestures, ScheduledWorkRunsInItsOrderAndSettlesDebugModeOnce) {
    Launches launches;
    launches.suite()->set(true, u"JX_isShowingSettingsAfterRelaunch"_s);
    QStringList journal;
    // Each step changes the keys held, so each later step shows by what it
    // sees that it ran after the earlier one.
    const auto step = [&](const QString& name, ModifierFlags next) {
        return [&, name, next] {
            journal.append(name);
            launches.sim.modifiers.hold(next);
        };
    };
    launches.sim.settingsWindow.installOpener(step(u"settings"_s, {}));
    launches.sim.modifiers.hold(kit::supportWindowGesture);

    const auto deletion = step(u"deletion"_s, kit::debugModeGesture);
    JXKit& kit = launches.launch(
        {step(u"support"_s, kit::dataDeletionGesture), [deletion](JXKit&) { deletion(); }});
    launches.sim.queue.runUntilIdle();

    EXPECT_EQ(journal, QStringList({u"support"_s, u"deletion"_s, u"settings"_s}));
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
