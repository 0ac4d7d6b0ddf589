// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/ui/DebugWindow.h"
#include "debug/DiagnosticSwitches.h"
#include "debug/WindowPlacement.h"
#include "debug/ui/LogsPage.h"
#include "debug/ui/UserDefaultsPage.h"
#include "platform/sim/SimHotKeys.h"
#include "platform/sim/SimMainQueue.h"
#include "shortcuts/ui/ShortcutRecorder.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct DebugWindowFixture : testing::Test {
    std::shared_ptr<UserDefaults> standard =
        UserDefaults::open(u"standard"_s, testing_support::freshFolder(u"debug"_s) + u"/s.plist"_s);
    debug::InMemoryLog log;
    platform::sim::SimMainQueue queue;
    int relaunches = 0;
    debug::DebugServices services() {
        const QString title = debug::DebugWindow::titleFor(u"Gapsel"_s, u"1.0.0"_s);
        return {title, standard, {{u"Standard"_s, standard}},
                log,   queue,    {},
                {},    {},       {},
                {},    nullptr,  {},
                {},    {}};
    }
    void chooseFromMenu(QWidget* page, const QString& action) {
        for (QAction* item : page->findChild<QToolButton*>()->menu()->actions())
            if (item->text() == action)
                item->trigger();
    }
};

TEST_F(DebugWindowFixture, DrawingHighlightReadsOnOnlyForTheText200AndRelaunches) {
    const QString key = u"NSShowAllDrawing"_s;
    const std::pair<QVariant, bool> cases[] = {{QVariant(), false},
                                               {u"200"_s, true},
                                               {u"20"_s, false},
                                               {u"YES"_s, false},
                                               {QVariant(200), false}};
    for (const auto& [stored, on] : cases) {
        standard->set(stored, key);
        EXPECT_EQ(debug::isDrawingHighlighted(*standard), on) << stored.toString().toStdString();
    }
    debug::setDrawingHighlighted(*standard, true, [this] { ++relaunches; });
    EXPECT_EQ(standard->string(key), u"200"_s);
    EXPECT_EQ(standard->string(u"NSShowAllDrawingColor"_s), u"cycle"_s);
    debug::setDrawingHighlighted(*standard, false, [this] { ++relaunches; });
    EXPECT_EQ(standard->string(key), u"no"_s);
    EXPECT_EQ(relaunches, 2);
}

TEST_F(DebugWindowFixture, TitleAndPagesInOrderAndLogsShowOneTrimmedEntryPerLineUntilCleared) {
    debug::DebugWindow window(services());
    EXPECT_EQ(window.windowTitle(), u"Gapsel 1.0.0 — Debug"_s);
    const auto* sidebar = window.findChild<QListWidget*>();
    QStringList pages;
    for (int row = 0; row < sidebar->count(); ++row)
        pages << sidebar->item(row)->text();
    EXPECT_EQ(pages, (QStringList{u"Dashboard"_s, u"Debug"_s, u"User Defaults"_s, u"Logs"_s,
                                  u"Settings"_s}));

    // Logs: Clear empties the log, and each entry shows trimmed on one line.
    log.append(u"  first \n"_s);
    log.append(u"second\nhalf"_s);
    debug::LogsPage page(services());
    page.refresh();
    EXPECT_EQ(page.shownText(), u"first\nsecond half"_s);
    chooseFromMenu(&page, u"Clear"_s);
    EXPECT_TRUE(log.lines().isEmpty());
    EXPECT_EQ(page.shownText(), QString());
}

TEST_F(DebugWindowFixture, UserDefaultsListFollowsTheStoreAndClearRemovesAll) {
    standard->set(true, u"reducedOpacity"_s);
    debug::UserDefaultsPage page(services());
    EXPECT_TRUE(page.shownText().contains(u"reducedOpacity: 1"_s));
    standard->set(QVariantList{1, u"a"_s}, u"list"_s);
    queue.runUntilIdle();
    EXPECT_TRUE(page.shownText().contains(u"list: (1, a)"_s));
    chooseFromMenu(&page, u"Clear"_s);
    queue.runUntilIdle();
    EXPECT_TRUE(standard->persistentDomain().isEmpty());
    EXPECT_EQ(page.shownText().trimmed(), u"Standard"_s);
}

// The recorder asks for the menus' shortcuts and whether the desktop has
// global shortcuts when it records: one that a menu item has is refused,
// naming the item; a desktop without them is told at the click; others are
// taken.
TEST(ShortcutRecorder, RefusesWhatAMenuItemHasOrTheDesktopLacksAndTakesTheRest) {
    const shortcuts::Shortcut ctrlQ{0x0C, 0x1000}, ctrlK{0x28, 0x1000};
    platform::sim::SimHotKeys hotKeys;
    shortcuts::ShortcutRecorder recorder(
        {},
        [&] {
            return QList<shortcuts::MenuItemShortcut>{{u"Quit Gapsel"_s, ctrlQ}};
        },
        [&] { return hotKeys.isAvailable(); });
    QList<std::optional<shortcuts::Shortcut>> changes;
    recorder.onChange = [&](const auto& shortcut) { changes.append(shortcut); };
    QString refusal;
    const auto record = [&](Qt::Key key) {
        refusal.clear();
        QTimer::singleShot(0, &recorder, [&refusal] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                refusal = box->text();
                box->close();
            }
        });
        recorder.click();
        QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
        QApplication::sendEvent(&recorder, &press);
    };
    record(Qt::Key_Q);
    EXPECT_EQ(refusal, u"This keyboard shortcut cannot be used as it's already used by the "
                       u"“Quit Gapsel” menu item."_s);
    hotKeys.setAvailable(false);
    record(Qt::Key_K);
    EXPECT_EQ(refusal, u"Global shortcuts are not available on this desktop."_s);
    EXPECT_EQ(recorder.text(), u"Record Shortcut"_s);
    EXPECT_TRUE(changes.isEmpty());
    hotKeys.setAvailable(true);
    record(Qt::Key_K);
    EXPECT_EQ(changes, QList<std::optional<shortcuts::Shortcut>>{ctrlK});
}

TEST(DebugWindowPlacement, CentredAndRaisedWithinTheAvailableArea) {
    EXPECT_EQ(debug::placeAboveCentre({0, 30, 1000, 800}, {400, 300}), QPoint(300, 184));
    EXPECT_EQ(debug::placeAboveCentre({0, 30, 1000, 300}, {400, 300}), QPoint(300, 30));
}

} // namespace
