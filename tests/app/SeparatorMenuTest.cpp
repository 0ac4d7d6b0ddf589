// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// A separator's menu, item by item, during the first launch and afterwards,
// and where its app-service items lead.

#include "SeparatorsTestSupport.h"

using separators_testing::SeparatorsTest;

namespace {

const QString firstLaunchTip = QStringLiteral(
    "Drag the menu bar item while \npressing the Command key to \nmove it to a different \n"
    "position in the menu bar. ");
const QString laterTip = QStringLiteral("Drag the menu bar item while pressing \nthe Command key "
                                        "to move it to a \ndifferent position in the menu bar. ");

QStringList characterSection() {
    return {QStringLiteral("Separator (disabled, small)"),
            QStringLiteral("space (italic)"),
            QStringLiteral("tab (italic)"),
            QStringLiteral("· (monospace)"),
            QStringLiteral("• (monospace)"),
            QStringLiteral("| (monospace)"),
            QStringLiteral("- (monospace)"),
            QStringLiteral("— (checked, monospace)")};
}

QStringList lines(std::initializer_list<QStringList> parts) {
    QStringList all;
    for (const QStringList& part : parts)
        all += part;
    return all;
}

const QString line = QStringLiteral("---");

TEST_F(SeparatorsTest, TheFirstLaunchMenuCarriesTheTip) {
    start();
    EXPECT_EQ(menuOf(0),
              lines({{QStringLiteral("New"), QStringLiteral("Remove (disabled)"), line,
                      firstLaunchTip + QStringLiteral(" (disabled)"), line, line},
                     characterSection(),
                     {line, QStringLiteral("Settings… (⌘,)"), QStringLiteral("More (submenu)"),
                      line, line, QStringLiteral("Quit Gapsel (⌘q)")}}));
    EXPECT_EQ(submenuOf(0, QStringLiteral("More")),
              (QStringList{QStringLiteral("About"), line, QStringLiteral("Send Feedback…"), line,
                           QStringLiteral("FAQ"), QStringLiteral("Website"), line,
                           QStringLiteral("Share App"), QStringLiteral("More Apps by Me")}));
}

class LaterLaunchMenuTest : public SeparatorsTest {
protected:
    LaterLaunchMenuTest()
        : SeparatorsTest(1) {}
};

TEST_F(LaterLaunchMenuTest, LaterMenusKeepTheTipUnderMoreAndOfferRating) {
    start();
    EXPECT_EQ(menuOf(0),
              lines({{QStringLiteral("New"), QStringLiteral("Remove (disabled)"), line, line, line},
                     characterSection(),
                     {line, QStringLiteral("Settings… (⌘,)"), QStringLiteral("More (submenu)"),
                      line, line, QStringLiteral("Quit Gapsel (⌘q)")}}));
    EXPECT_EQ(submenuOf(0, QStringLiteral("More")),
              (QStringList{QStringLiteral("About"), line, QStringLiteral("Send Feedback…"), line,
                           QStringLiteral("Tips (submenu)"), QStringLiteral("FAQ"),
                           QStringLiteral("Website"), line, QStringLiteral("Rate App"),
                           QStringLiteral("Share App"), QStringLiteral("More Apps by Me")}));

    const auto& more = *item(0).shownMenu()->items().at(15)->submenu();
    const auto& tips = *more.items().at(4)->submenu();
    EXPECT_EQ(platform::sim::describeMenu(tips),
              QStringList{laterTip + QStringLiteral(" (disabled)")});
}

TEST_F(LaterLaunchMenuTest, DebugModeAddsTheDebugItem) {
    sim.modifiers.hold(platform::ModifierKey::Shift | platform::ModifierKey::Control |
                       platform::ModifierKey::CapsLock);
    start();
    const QStringList menu = menuOf(0);
    EXPECT_EQ(menu.mid(menu.size() - 4), (QStringList{line, QStringLiteral("Debug"), line,
                                                      QStringLiteral("Quit Gapsel (⌘q)")}));
    item(0).closeMenu();
    choose(0, {QStringLiteral("Debug")});
    EXPECT_EQ(pending.calls, QStringList{QStringLiteral("debug")});
}

TEST_F(LaterLaunchMenuTest, AppServiceItemsReachTheKit) {
    int settingsOpened = 0;
    int aboutOpened = 0;
    sim.settingsWindow.installOpener([&] { ++settingsOpened; });
    sim.aboutPanel.installOpener([&] { ++aboutOpened; });
    start();
    choose(0, {QStringLiteral("More"), QStringLiteral("About")});
    choose(0, {QStringLiteral("More"), QStringLiteral("Send Feedback…")});
    choose(0, {QStringLiteral("More"), QStringLiteral("Share App")});
    choose(0, {QStringLiteral("More"), QStringLiteral("Rate App")});
    choose(0, {QStringLiteral("More"), QStringLiteral("FAQ")});
    EXPECT_EQ(pending.calls,
              (QStringList{QStringLiteral("share"), QStringLiteral("rate com.gapsel.Gapsel")}));
    ASSERT_EQ(sim.workspace.openedUrls().size(), 2);
    EXPECT_TRUE(sim.workspace.openedUrls()[0].toString().startsWith(
        QStringLiteral("https://gapsel.app/feedback?product=Gapsel&metadata=")));
    EXPECT_EQ(sim.workspace.openedUrls()[1], QUrl(QStringLiteral("https://gapsel.app/#faq")));

    item(0).openMenu();
    ASSERT_TRUE(item(0).choose({QStringLiteral("Settings…")}));
    EXPECT_EQ(settingsOpened, 0);
    sim.queue.runUntilIdle();
    EXPECT_EQ(settingsOpened, 1);
    EXPECT_EQ(aboutOpened, 1);

    item(0).openMenu();
    ASSERT_TRUE(item(0).choose({QStringLiteral("Quit Gapsel")}));
    EXPECT_EQ(sim.application.terminateRequests(), 0);
    sim.queue.runUntilIdle();
    EXPECT_EQ(sim.application.terminateRequests(), 1);
}

} // namespace
