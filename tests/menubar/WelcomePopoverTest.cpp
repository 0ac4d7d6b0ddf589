// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "MenuTestSupport.h"

#include "menubar/JXMenu.h"
#include "menubar/WelcomePopover.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using menubar_testing::KitFixture;

namespace {

class WelcomePopoverTest : public ::testing::Test, public KitFixture {
protected:
    WelcomePopoverTest() { item->setMenu(menu); }

    platform::sim::SimStatusItem& simItem() {
        return static_cast<platform::sim::SimStatusItem&>(*item);
    }
    qint64 counter() {
        return suite->object(u"JX_Tooltip_statusBarButtonWelcomePopover"_s).toLongLong();
    }

    std::shared_ptr<platform::StatusItem> item = sim.statusBar.statusItem(-1);
    std::shared_ptr<JXMenu> menu = std::make_shared<JXMenu>();
    menubar::WelcomePopover popover{sim.platform(), suite};
    int completions = 0;
};

TEST_F(WelcomePopoverTest, SaysHelloAfterATenthOfASecondAndBouncesUnlessMotionIsReduced) {
    for (const bool reduced : {true, false}) {
        SCOPED_TRACE(reduced);
        sim.motion.setReducesMotion(reduced);
        popover.show(item, [] {});
        sim.queue.advance(0.099);
        EXPECT_FALSE(sim.popover.isShown());
        sim.queue.advance(0.001);
        ASSERT_TRUE(sim.popover.isShown());
        EXPECT_EQ(sim.popover.anchor(), item.get());
        EXPECT_EQ(sim.popover.content().animates, !reduced);
        EXPECT_EQ(sim.popover.shakes().size(), reduced ? 0 : 1);
        sim.queue.advance(5);
    }
}

// Each way to end it completes exactly once, on a later turn, and leaves no
// recognizer on the button; the timer still running later changes nothing.
TEST_F(WelcomePopoverTest, EachEndingCompletesOnceAndCleansUp) {
    const struct {
        const char* name;
        std::function<void()> end;
        bool menuOpens;
    } cases[] = {
        {"click on the greeting", [this] { sim.popover.click(); }, false},
        {"click on the item", [this] { simItem().simButton().click(); }, true},
        {"five seconds pass", [this] { sim.queue.advance(4.9); }, false},
        {"five seconds pass with the item's menu open",
         [this] {
             simItem().openMenu();
             sim.queue.advance(4.9);
         },
         true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        completions = 0;
        simItem().closeMenu();
        popover.show(item, [this] { ++completions; });
        sim.queue.advance(menubar::WelcomePopover::showDelay);
        test.end();
        EXPECT_EQ(completions, 0) << "completes on a later turn";
        sim.queue.advance(5);
        EXPECT_EQ(completions, 1);
        EXPECT_FALSE(sim.popover.isShown());
        EXPECT_FALSE(simItem().simButton().hasClickRecognizer());
        EXPECT_EQ(simItem().isMenuOpen(), test.menuOpens);
    }
    EXPECT_EQ(counter(), 4);
}

TEST_F(WelcomePopoverTest, AnItemGoneBeforeTheGreetingCompletesAtOnce) {
    popover.show(item, [this] { ++completions; });
    item.reset();
    sim.queue.advance(0.1);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(sim.popover.showCount(), 0);
}

} // namespace
