// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "SeparatorsTestSupport.h"

#include "app/SaveFailureAlerts.h"
#include "app/SeparatorListEdits.h"
#include "debug/InMemoryLog.h"
#include "support/TestEnvironment.h"

#include <QFile>

#include <cstring>

using namespace Qt::StringLiterals;

using app::maximumSeparators;
using keys::SeparatorItem;
using separators_testing::separator;
using separators_testing::SeparatorsTest;
using separators_testing::SimStatusItem;

namespace {

// An unreadable list is logged before it is replaced; so is, without a log,
// one that another process empties.
TEST_F(SeparatorsTest, AnUnreadableOrEmptyListBecomesOneEmDashSeparatorStoredAndShown) {
    suite->set(u"garbage-7f3a"_s, u"separators"_s);
    start();
    EXPECT_EQ(testing_support::log().lines().filter(u"garbage-7f3a"_s).size(), 1);
    EXPECT_EQ(item(0).length(), -1.0);
    EXPECT_FALSE(item(0).simButton().appearsDisabled());
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        if (round == 1) {
            auto otherProcess = UserDefaults::open(suite->name(), suite->filePath());
            Defaults::set(keys::separators(otherProcess), QList<keys::SeparatorItem>{});
            suite->synchronize();
            sim.queue.runUntilIdle();
        }
        const auto list = stored();
        ASSERT_EQ(list.size(), 1);
        EXPECT_EQ(list[0].character, u"—"_s);
        EXPECT_EQ(titles(), QStringList{u"—"_s});
        EXPECT_EQ(item(0).autosaveName(), list[0].id.toString(QUuid::WithoutBraces).toUpper());
    }
}

// Long and multi-line characters are shown and copied as they are.
TEST_F(SeparatorsTest, NewCopiesTheCharacterOrMakesAnEmDashFromABlank) {
    const QString family = u"👩‍👩‍👧 and more"_s;
    const QStringList characters{u"—"_s, u"•"_s, u" "_s, u"\t"_s, family, u"a\nb"_s};
    QList<keys::SeparatorItem> list;
    for (const QString& character : characters)
        list.append({QUuid::createUuid(), character});
    store(list);
    start();
    for (std::size_t index = 0; index < 6; ++index)
        choose(index, {u"New"_s});

    const QStringList added{u"—"_s, u"•"_s, u"—"_s, u"—"_s, family, u"a\nb"_s};
    EXPECT_EQ(titles(), characters + added);
    ASSERT_EQ(stored().size(), 12);
    EXPECT_EQ(item(11).autosaveName(), stored().last().idString());
    EXPECT_EQ(sim.statusBar.createdCount(), 12);
}

// Remove takes only its own separator, and none from a list changed
// elsewhere since its menu opened; Tab changes the same status item.
TEST_F(SeparatorsTest, RemoveTakesOnlyItsOwnSeparatorAndTabKeepsTheStatusItem) {
    start();
    choose(0, {u"New"_s});
    choose(1, {u"New"_s});
    const auto before = stored();
    SimStatusItem* first = &item(0);
    SimStatusItem* last = &item(2);

    choose(1, {u"Remove"_s});
    EXPECT_EQ(stored(), (QList<keys::SeparatorItem>{before[0], before[2]}));
    EXPECT_EQ(items(), (std::vector<SimStatusItem*>{first, last}));
    choose(0, {u"tab"_s});
    EXPECT_EQ(item(0).simButton().title(), u"\t"_s);
    EXPECT_EQ(stored().at(0).character, u"\t"_s);
    EXPECT_EQ(sim.statusBar.createdCount(), 3);

    item(0).openMenu();
    const QList<keys::SeparatorItem> elsewhere{stored()[1]};
    store(elsewhere);
    ASSERT_TRUE(item(0).choose({u"Remove"_s}));
    sim.queue.runUntilIdle();
    EXPECT_EQ(stored(), elsewhere);
    EXPECT_EQ(titles(), QStringList{u"—"_s});
}

TEST_F(SeparatorsTest, ARepairThatCannotBeStoredShowsOneSeparatorAndDoesNotRetryForEver) {
    // Every write fails, as on a full disk: the file is a link into a folder
    // that does not exist, where no file can be made.
    QFile::remove(suite->filePath());
    ASSERT_TRUE(QFile::link(suite->filePath() + u".missing/it.plist"_s, suite->filePath()));
    start();
    EXPECT_EQ(sim.queue.pendingCount(), 0);
    ASSERT_EQ(items().size(), 1u);
    EXPECT_EQ(item(0).simButton().title(), u"—"_s);
    EXPECT_TRUE(stored().isEmpty());

    Defaults::set(keys::reducedOpacity(suite), true); // fails too; renders again
    sim.queue.runUntilIdle();
    EXPECT_EQ(sim.statusBar.createdCount(), 1) << "the stand-in keeps its identity";
}

TEST_F(SeparatorsTest, ChangesWithinOneTurnAreShownOnce) {
    start();
    const auto first = stored()[0];
    const int rendered = item(0).simButton().titleWrites();
    store({first, separator(u"·")});
    store({first, separator(u"|")});
    Defaults::set(keys::reducedOpacity(suite), true);
    sim.queue.runUntilIdle();
    EXPECT_EQ(titles(), (QStringList{u"—"_s, u"|"_s}));
    EXPECT_EQ(sim.statusBar.createdCount(), 2);
    EXPECT_EQ(item(0).simButton().titleWrites(), rendered + 1);
    // Dimming is measured on the real hosts; here, a separator made while
    // dimmed is dimmed too, and the dimming lifts from each.
    EXPECT_TRUE(item(1).simButton().appearsDisabled());
    Defaults::set(keys::reducedOpacity(suite), false);
    sim.queue.runUntilIdle();
    EXPECT_FALSE(item(0).simButton().appearsDisabled());
    EXPECT_FALSE(item(1).simButton().appearsDisabled());
}

TEST_F(SeparatorsTest, EachSeparatorIsStoredAsOneJsonTextAndMalformedOnesShowWhatCanBeRead) {
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    // One undecodable element and one of the wrong kind: both are skipped.
    const QVariantList raw{
        uR"({"id":"%1","character":"x"})"_s.arg(id),
        u"not json"_s,
        7,
        uR"({"character":"|","id":"%1"})"_s.arg(QUuid::createUuid().toString(QUuid::WithoutBraces)),
    };
    suite->set(raw, u"separators"_s);
    start();

    EXPECT_EQ(titles(), (QStringList{u"x"_s, u"|"_s}));
    EXPECT_EQ(storedObject(), QVariant(raw));
    for (const QString& line : menuOf(0))
        EXPECT_FALSE(line.contains(u"checked"_s)) << line.toStdString();
    item(0).closeMenu();

    choose(0, {u"New"_s});
    EXPECT_EQ(titles(), (QStringList{u"x"_s, u"|"_s, u"x"_s}));
    EXPECT_EQ(stored().size(), 3);

    // Each separator is stored as the JSON text of one record.
    const QUuid sameId = QUuid::fromString(u"3F2504E0-4F89-41D3-9A0C-0305E82C3301"_s);
    store({{sameId, u"\t"_s}, {sameId, u"—"_s}});
    EXPECT_EQ(storedObject().toList(),
              (QVariantList{
                  uR"({"id":"3F2504E0-4F89-41D3-9A0C-0305E82C3301","character":"\t"})"_s,
                  uR"({"id":"3F2504E0-4F89-41D3-9A0C-0305E82C3301","character":"—"})"_s,
              }));

    Defaults::set(keys::reducedOpacity(suite), true);
    EXPECT_EQ(suite->object(u"reducedOpacity"_s).typeId(), QMetaType::Bool);
}

TEST_F(SeparatorsTest, ADuplicatedIdentityShowsOnceAndIsLoggedOnce) {
    const auto twin = separator(u"·");
    const QList<keys::SeparatorItem> list{twin, separator(u"—"), {twin.id, u"|"_s}};
    store(list);
    const QVariant raw = storedObject();
    start();
    Defaults::set(keys::reducedOpacity(suite), true);
    sim.queue.runUntilIdle();

    EXPECT_EQ(titles(), (QStringList{u"·"_s, u"—"_s}));
    EXPECT_EQ(storedObject(), raw);
    const QStringList logged =
        testing_support::log().lines().filter(u"[Error]"_s).filter(twin.idString());
    EXPECT_EQ(logged.size(), 1);
    EXPECT_EQ(menuOf(0).at(1), u"Remove"_s);
    item(0).closeMenu();

    // Stored twice and nothing else, it is one separator: the last one stays.
    store({twin, {twin.id, u"|"_s}});
    sim.queue.runUntilIdle();
    EXPECT_EQ(menuOf(0).at(1), u"Remove (disabled)"_s);
}

// A list may hold one identity twice (the first is shown): Remove takes both,
// a character goes to the shown one.
TEST(SeparatorListEdits, ATwiceStoredIdentityIsRemovedWholeAndChangedWhereShown) {
    const keys::SeparatorItem space{QUuid::createUuid(), u" "_s};
    const keys::SeparatorItem bullet{QUuid::createUuid(), u"•"_s};
    const keys::SeparatorItem twin{bullet.id, u"|"_s};
    EXPECT_EQ(app::removingSeparator({space, bullet, twin}, bullet.id),
              QList<keys::SeparatorItem>{space});
    const auto changed = app::withSeparatorCharacter({space, bullet, twin}, bullet.id, u"\t"_s);
    EXPECT_EQ(changed, (QList<keys::SeparatorItem>{space, {bullet.id, u"\t"_s}, twin}));
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
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.stored);
        testing_support::log().clear();
        view.reset();
        QList<keys::SeparatorItem> list(row.stored, separator(u"|"));
        for (keys::SeparatorItem& each : list)
            each = separator(u"|");
        store(list);
        start();
        // Another change to the list is shown without saying it again.
        list[0].character = u"·"_s;
        store(list);
        sim.queue.runUntilIdle();

        EXPECT_EQ(qsizetype(items().size()), row.shown);
        const QStringList log = testing_support::log().lines();
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
            keys::separators(UserDefaults::open(suite->name(), suite->filePath())));
    };
    for (const auto& [action, change] : {std::pair{u"New"_s, 1}, std::pair{u"Remove"_s, -1}}) {
        const auto theirs = separator(u"·");
        Defaults::modify(keys::separators(otherWriter),
                         [&](QList<keys::SeparatorItem>& list) { list.append(theirs); });
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
    testing_support::log().clear();

    for (int click = 0; click < 3; ++click)
        EXPECT_FALSE(unsavable->set(click, u"k"_s));
    sim.queue.runUntilIdle();

    ASSERT_EQ(sim.alerts.presentedErrors().size(), 1);
    EXPECT_EQ(sim.alerts.presentedErrors()[0].description,
              u"Gapsel cannot save its settings: %1: it cannot be read (%2)"_s.arg(
                  path, QString::fromLocal8Bit(std::strerror(ENOTDIR))));
    EXPECT_EQ(testing_support::log().lines().filter(u"[Error] Gapsel cannot save"_s).size(), 3);
}

} // namespace
