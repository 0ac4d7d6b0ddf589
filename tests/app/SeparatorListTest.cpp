// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "SeparatorsTestSupport.h"

#include "app/SaveFailureAlerts.h"
#include "app/SeparatorListEdits.h"
#include "app/TipText.h"
#include "debug/InMemoryLog.h"

#include <QFile>

#include <cstring>

using namespace Qt::StringLiterals;

namespace separators_testing {
namespace {

using app::SeparatorItem;
using app::separatorListEdits::maximumSeparators;
namespace edits = app::separatorListEdits;

TEST_F(SeparatorsTest, EachSeparatorIsStoredAsTheJsonTextOfOneRecord) {
    const QUuid id = QUuid::fromString(u"3F2504E0-4F89-41D3-9A0C-0305E82C3301"_s);
    store({{id, u"\t"_s}, {id, u"—"_s}});
    EXPECT_EQ(storedObject().toList(),
              (QVariantList{
                  uR"({"id":"3F2504E0-4F89-41D3-9A0C-0305E82C3301","character":"\t"})"_s,
                  uR"({"id":"3F2504E0-4F89-41D3-9A0C-0305E82C3301","character":"—"})"_s,
              }));

    Defaults::set(app::keys::reducedOpacity(suite), true);
    EXPECT_EQ(suite->object(u"reducedOpacity"_s).typeId(), QMetaType::Bool);
}

// A list may hold one identity twice (the first is shown): Remove takes both,
// a character goes to the shown one.
TEST(SeparatorListEdits, ATwiceStoredIdentityIsRemovedWholeAndChangedWhereShown) {
    const SeparatorItem space{QUuid::createUuid(), u" "_s};
    const SeparatorItem bullet{QUuid::createUuid(), u"•"_s};
    const SeparatorItem twin{bullet.id, u"|"_s};
    EXPECT_EQ(edits::removing({space, bullet, twin}, bullet.id), QList<SeparatorItem>{space});
    const auto changed = edits::withCharacter({space, bullet, twin}, bullet.id, u"\t"_s);
    EXPECT_EQ(changed, (QList<SeparatorItem>{space, {bullet.id, u"\t"_s}, twin}));
}

TEST(TipText, CountsWhatTheUserSeesAndSplitsOnlyAtSpacesAndTabs) {
    // "é" as e + combining acute is one character; the line feed is part of a word.
    const QString accented = u"e\u0301e\u0301e\u0301"_s;
    EXPECT_EQ(app::wrappedToWidth(accented + u" ab"_s, 7), accented + u" ab "_s);
    EXPECT_EQ(app::wrappedToWidth(accented + u" ab"_s, 6), accented + u" \nab "_s);
    EXPECT_EQ(app::wrappedToWidth(u"a\tb\u00A0c\nd"_s, 80), u"a b c\nd "_s);
    EXPECT_EQ(app::wrappedToWidth(u"a  b"_s, 80), u"a  b "_s);
}

// A list longer than Gapsel shows, whoever wrote it: the rest is not shown,
// said once, and left in the file; New makes no more, not even from a menu
// that was opened before the list reached the maximum.
TEST_F(SeparatorsTest, SeparatorsBeyondTheMaximumAreNeitherShownNorRewritten) {
    const struct {
        qsizetype stored;
        qsizetype shown;
        qsizetype logLines;
        QString newEntry;
    } table[] = {
        {maximumSeparators - 1, maximumSeparators - 1, 0, u"New"_s},
        {maximumSeparators, maximumSeparators, 0, u"New (disabled)"_s},
        {maximumSeparators + 1, maximumSeparators, 1, u"New (disabled)"_s},
        {1000, maximumSeparators, 1, u"New (disabled)"_s},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.stored);
        debug::InMemoryLog::shared().clear();
        view.reset();
        QList<SeparatorItem> list(row.stored, separator(u"|"));
        for (SeparatorItem& each : list)
            each = separator(u"|");
        store(list);
        start();
        // Another change to the list is shown without saying it again.
        list[0].character = u"·"_s;
        store(list);
        sim.queue.runUntilIdle();

        EXPECT_EQ(qsizetype(items().size()), row.shown);
        const QStringList log = debug::InMemoryLog::shared().lines();
        EXPECT_EQ(log.filter(u"showing the first"_s).size(), row.logLines);
        EXPECT_EQ(menuOf(0).value(0), row.newEntry);
        item(1).openMenu();
        item(0).choose({u"New"_s});
        item(1).choose({u"New"_s}); // a menu opened before the list grew
        sim.queue.runUntilIdle();
        EXPECT_EQ(stored().size(), std::max(row.stored, maximumSeparators));
        EXPECT_EQ(stored().mid(0, list.size()), list) << "the list is not rewritten";
    }
}

// Another program (here: another domain object over the same file) changes
// the list; the user chooses an action before the change has reached the
// views. The action must edit the list in the file, not the older one shown.
TEST_F(SeparatorsTest, AnActionEditsTheListInTheFileNotAnOlderView) {
    start();
    const auto otherWriter = UserDefaults::open(suite->name(), suite->filePath());
    const auto inTheFile = [this] {
        return Defaults::get(
            app::keys::separators(UserDefaults::open(suite->name(), suite->filePath())));
    };
    for (const auto& [action, change] : {std::pair{u"New"_s, 1}, std::pair{u"Remove"_s, -1}}) {
        const auto theirs = separator(u"·");
        Defaults::modify(app::keys::separators(otherWriter),
                         [&](QList<SeparatorItem>& list) { list.append(theirs); });
        const qsizetype before = inTheFile().size();
        choose(0, {action});
        const auto list = inTheFile();
        EXPECT_EQ(list.size(), before + change) << action.toStdString();
        EXPECT_TRUE(list.contains(theirs)) << "the other program's separator survives";
    }
}

TEST_F(SeparatorsTest, ASaveThatFailsIsLoggedAndAlertedOncePerCause) {
    const QString blocker = testing_support::freshFolder(u"blocked"_s) + u"/not-a-folder"_s;
    QFile(blocker).open(QIODevice::WriteOnly);
    const QString path = blocker + u"/com.gapsel.Gapsel.plist"_s;
    const auto unsavable = UserDefaults::open(u"com.gapsel.Gapsel"_s, path);
    const app::SaveFailureAlerts alerts(unsavable, sim.alerts, sim.queue);
    debug::InMemoryLog::shared().clear();

    for (int click = 0; click < 3; ++click)
        EXPECT_FALSE(unsavable->set(click, u"k"_s));
    sim.queue.runUntilIdle();

    ASSERT_EQ(sim.alerts.presentedErrors().size(), 1);
    EXPECT_EQ(sim.alerts.presentedErrors()[0].description,
              u"Gapsel cannot save its settings: %1: it cannot be read (%2)"_s.arg(
                  path, QString::fromLocal8Bit(std::strerror(ENOTDIR))));
    EXPECT_EQ(debug::InMemoryLog::shared().lines().filter(u"[Error] Gapsel cannot save"_s).size(),
              3);
}

} // namespace
} // namespace separators_testing
