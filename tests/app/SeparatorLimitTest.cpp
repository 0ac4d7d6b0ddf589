// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "SeparatorsTestSupport.h"

#include "app/SeparatorListEdits.h"
#include "debug/InMemoryLog.h"

namespace separators_testing {
namespace {

using app::separatorListEdits::maximumSeparators;

qsizetype beyondMaximumLines() {
    return debug::InMemoryLog::shared().lines().filter(QStringLiteral("showing the first")).size();
}

// A list longer than Gapsel shows, whoever wrote it: the rest is not shown,
// said once, and left in the file; New makes no more.
TEST_F(SeparatorsTest, SeparatorsBeyondTheMaximumAreNeitherShownNorRewritten) {
    const struct {
        qsizetype stored;
        qsizetype shown;
        qsizetype logLines;
        QString newEntry;
    } table[] = {
        {maximumSeparators - 1, maximumSeparators - 1, 0, QStringLiteral("New")},
        {maximumSeparators, maximumSeparators, 0, QStringLiteral("New (disabled)")},
        {maximumSeparators + 1, maximumSeparators, 1, QStringLiteral("New (disabled)")},
        {1000, maximumSeparators, 1, QStringLiteral("New (disabled)")},
    };
    for (const auto& row : table) {
        debug::InMemoryLog::shared().clear();
        view.reset();
        QList<app::SeparatorItem> list;
        for (qsizetype index = 0; index < row.stored; ++index)
            list.append(separator(u"|"));
        store(list);
        start();
        // Another change to the list is shown without saying it again.
        list[0].character = QStringLiteral("·");
        store(list);
        sim.queue.runUntilIdle();

        EXPECT_EQ(qsizetype(items().size()), row.shown) << row.stored;
        EXPECT_EQ(beyondMaximumLines(), row.logLines) << row.stored;
        EXPECT_EQ(menuOf(0).value(0), row.newEntry) << row.stored;
        item(0).openMenu();
        item(0).choose({QStringLiteral("New")});
        sim.queue.runUntilIdle();
        EXPECT_EQ(stored().size(), std::max(row.stored, maximumSeparators)) << row.stored;
        EXPECT_EQ(stored().mid(0, list.size()), list) << "the list is not rewritten";
    }
}

// New clicked again and again without waiting for the separators to show:
// the list stops at the maximum.
TEST_F(SeparatorsTest, NewClickedFasterThanItShowsStopsAtTheMaximum) {
    start();
    for (int click = 0; click < maximumSeparators + 20; ++click) {
        item(0).openMenu();
        item(0).choose({QStringLiteral("New")});
    }
    sim.queue.runUntilIdle();
    EXPECT_EQ(stored().size(), maximumSeparators);
    EXPECT_EQ(qsizetype(items().size()), maximumSeparators);
}

} // namespace
} // namespace separators_testing
