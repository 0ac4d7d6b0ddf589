// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/ui/DebugWindow.h"
#include "debug/DiagnosticSwitches.h"
#include "debug/WindowPlacement.h"
#include "debug/ui/LogsPage.h"
#include "debug/ui/UserDefaultsPage.h"
#include "platform/sim/SimMainQueue.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct DebugWindowFixture : testing::Test {
    std::shared_ptr<UserDefaults> standard = UserDefaults::open(
        QStringLiteral("standard"),
        testing_support::freshFolder(QStringLiteral("debug")) + QStringLiteral("/s.plist"));
    debug::InMemoryLog log;
    platform::sim::SimMainQueue queue;
    int relaunches = 0;
    debug::DebugServices services() {
        return {debug::DebugWindow::titleFor(QStringLiteral("Gapsel"), QStringLiteral("1.0.0")),
                standard,
                {{QStringLiteral("Standard"), standard}},
                log,
                queue,
                {},
                {},
                {},
                [this] { ++relaunches; },
                {},
                nullptr,
                {}};
    }
    void chooseFromMenu(QWidget* page, const QString& action) {
        for (QAction* item : page->findChild<QToolButton*>()->menu()->actions())
            if (item->text() == action)
                item->trigger();
    }
};

TEST_F(DebugWindowFixture, TitleAndPagesInOrder) {
    debug::DebugWindow window(services());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Gapsel 1.0.0 — Debug"));
    EXPECT_EQ(window.pageTitles(), (QStringList{u"Dashboard"_s, u"Debug"_s, u"User Defaults"_s,
                                                u"Logs"_s, u"Settings"_s}));
}

TEST_F(DebugWindowFixture, DrawingHighlightReadsOnOnlyForTheText200AndRelaunches) {
    const QString key = QStringLiteral("NSShowAllDrawing");
    for (const auto& [stored, on] :
         std::vector<std::pair<QVariant, bool>>{{QVariant(), false},
                                                {QStringLiteral("200"), true},
                                                {QStringLiteral("20"), false},
                                                {QStringLiteral("YES"), false},
                                                {QVariant(200), false}}) {
        standard->set(stored, key);
        EXPECT_EQ(debug::isDrawingHighlighted(*standard), on) << stored.toString().toStdString();
    }
    debug::setDrawingHighlighted(*standard, true, [this] { ++relaunches; });
    EXPECT_EQ(standard->string(key), QStringLiteral("200"));
    EXPECT_EQ(standard->string(QStringLiteral("NSShowAllDrawingColor")), QStringLiteral("cycle"));
    debug::setDrawingHighlighted(*standard, false, [this] { ++relaunches; });
    EXPECT_EQ(standard->string(key), QStringLiteral("no"));
    EXPECT_EQ(relaunches, 2);
}

TEST_F(DebugWindowFixture, LogsClearEmptiesTheLogAndShowsOneTrimmedEntryPerLine) {
    log.append(QStringLiteral("  first \n"));
    log.append(QStringLiteral("second\nhalf"));
    debug::LogsPage page(services());
    page.refresh();
    EXPECT_EQ(page.shownText(), QStringLiteral("first\nsecond half"));
    chooseFromMenu(&page, QStringLiteral("Clear"));
    EXPECT_TRUE(log.lines().isEmpty());
    EXPECT_EQ(page.shownText(), QString());
}

TEST_F(DebugWindowFixture, UserDefaultsListFollowsTheStoreAndClearRemovesAll) {
    standard->set(true, QStringLiteral("reducedOpacity"));
    debug::UserDefaultsPage page(services());
    EXPECT_TRUE(page.shownText().contains(QStringLiteral("reducedOpacity: 1")));
    standard->set(QVariantList{1, QStringLiteral("a")}, QStringLiteral("list"));
    queue.runUntilIdle();
    EXPECT_TRUE(page.shownText().contains(QStringLiteral("list: (1, a)")));
    chooseFromMenu(&page, QStringLiteral("Clear"));
    queue.runUntilIdle();
    EXPECT_TRUE(standard->persistentDomain().isEmpty());
    EXPECT_EQ(page.shownText().trimmed(), QStringLiteral("Standard"));
}

TEST(DebugWindowPlacement, CentredAndRaisedWithinTheAvailableArea) {
    EXPECT_EQ(debug::placeAboveCentre({0, 30, 1000, 800}, {400, 300}), QPoint(300, 184));
    EXPECT_EQ(debug::placeAboveCentre({0, 30, 1000, 300}, {400, 300}), QPoint(300, 30));
}

} // namespace
