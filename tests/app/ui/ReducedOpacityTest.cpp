// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// The settings window's "Reduced opacity" switch and the separators in the
// menu bar, together on the simulated desktop.

#include "app/SeparatorsTestSupport.h"
#include "app/ui/SettingsScreen.h"

#include <QCheckBox>

namespace {

using separators_testing::separator;

class ReducedOpacity : public separators_testing::SeparatorsTest {
protected:
    std::vector<bool> dimmed() {
        std::vector<bool> result;
        for (auto* shown : items())
            result.push_back(shown->simButton().appearsDisabled());
        return result;
    }
};

TEST_F(ReducedOpacity, TheSwitchDimsEverySeparatorAtOnceAndBrightensThemAgain) {
    store({separator(u"—"), separator(u"•"), separator(u"|")});
    start();
    app::SettingsScreen screen(kit->launchAtLogin(), app::keys::reducedOpacity(suite), sim.queue);
    QCheckBox* reduced = screen.findChildren<QCheckBox*>().at(1);
    ASSERT_EQ(reduced->text(), QStringLiteral("Reduced opacity"));

    reduced->click();
    sim.queue.runUntilIdle();
    EXPECT_EQ(dimmed(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(sim.statusBar.createdCount(), 3) << "the same status items, only dimmed";

    reduced->click();
    sim.queue.runUntilIdle();
    EXPECT_EQ(dimmed(), (std::vector<bool>{false, false, false}));
}

} // namespace
