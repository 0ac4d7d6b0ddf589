// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "SeparatorsTestSupport.h"

#include "debug/InMemoryLog.h"

#include <QDir>

#include <unistd.h>

using namespace Qt::StringLiterals;

using separators_testing::separator;
using separators_testing::SeparatorsTest;
using separators_testing::SimStatusItem;

namespace {

// An unreadable list is logged before it is replaced; so is, without a log,
// one that another process empties.
TEST_F(SeparatorsTest, AnUnreadableOrEmptyListBecomesOneEmDashSeparatorStoredAndShown) {
    suite->set(u"garbage-7f3a"_s, u"separators"_s);
    start();
    EXPECT_EQ(debug::InMemoryLog::shared().lines().filter(u"garbage-7f3a"_s).size(), 1);
    EXPECT_EQ(item(0).length(), -1.0);
    EXPECT_FALSE(item(0).simButton().appearsDisabled());
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        if (round == 1) {
            auto otherProcess = UserDefaults::open(suite->name(), suite->filePath());
            Defaults::set(app::keys::separators(otherProcess), QList<app::SeparatorItem>{});
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
    QList<app::SeparatorItem> list;
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

TEST_F(SeparatorsTest, RemoveRemovesOnlyItsOwnSeparator) {
    start();
    choose(0, {u"New"_s});
    choose(1, {u"New"_s});
    const auto before = stored();
    SimStatusItem* first = &item(0);
    SimStatusItem* last = &item(2);

    choose(1, {u"Remove"_s});
    EXPECT_EQ(stored(), (QList<app::SeparatorItem>{before[0], before[2]}));
    EXPECT_EQ(items(), (std::vector<SimStatusItem*>{first, last}));
    EXPECT_EQ(sim.statusBar.createdCount(), 3);
}

TEST_F(SeparatorsTest, RemovingASeparatorThatIsAlreadyGoneStoresTheListUnchanged) {
    store({separator(u"—"), separator(u"·"), separator(u"|")});
    start();
    item(0).openMenu();
    const QList<app::SeparatorItem> elsewhere{stored()[1], stored()[2]};
    store(elsewhere);
    ASSERT_TRUE(item(0).choose({u"Remove"_s}));
    sim.queue.runUntilIdle();
    EXPECT_EQ(stored(), elsewhere);
    EXPECT_EQ(titles(), (QStringList{u"·"_s, u"|"_s}));
}

TEST_F(SeparatorsTest, ChoosingTabShowsATabInTheSameStatusItem) {
    start();
    choose(0, {u"tab"_s});
    EXPECT_EQ(item(0).simButton().title(), u"\t"_s);
    EXPECT_EQ(stored().at(0).character, u"\t"_s);
    EXPECT_EQ(sim.statusBar.createdCount(), 1);
}

TEST_F(SeparatorsTest, ARepairThatCannotBeStoredShowsOneSeparatorAndDoesNotRetryForEver) {
    // A folder where the temporary file goes makes every write fail, as a
    // full disk would.
    ASSERT_TRUE(QDir().mkpath(suite->filePath() + u".tmp-"_s + QString::number(::getpid())));
    start();
    EXPECT_EQ(sim.queue.pendingCount(), 0);
    ASSERT_EQ(items().size(), 1u);
    EXPECT_EQ(item(0).simButton().title(), u"—"_s);
    EXPECT_TRUE(stored().isEmpty());

    Defaults::set(app::keys::reducedOpacity(suite), true); // fails too; renders again
    sim.queue.runUntilIdle();
    EXPECT_EQ(sim.statusBar.createdCount(), 1) << "the stand-in keeps its identity";
}

TEST_F(SeparatorsTest, ChangesWithinOneTurnAreShownOnce) {
    start();
    const auto first = stored()[0];
    const int rendered = item(0).simButton().titleWrites();
    store({first, separator(u"·")});
    store({first, separator(u"|")});
    Defaults::set(app::keys::reducedOpacity(suite), true);
    sim.queue.runUntilIdle();
    EXPECT_EQ(titles(), (QStringList{u"—"_s, u"|"_s}));
    EXPECT_EQ(sim.statusBar.createdCount(), 2);
    EXPECT_EQ(item(0).simButton().titleWrites(), rendered + 1);
    // Dimming is measured on the real hosts; here, a separator made while
    // dimmed is dimmed too, and the dimming lifts from each.
    EXPECT_TRUE(item(1).simButton().appearsDisabled());
    Defaults::set(app::keys::reducedOpacity(suite), false);
    sim.queue.runUntilIdle();
    EXPECT_FALSE(item(0).simButton().appearsDisabled());
    EXPECT_FALSE(item(1).simButton().appearsDisabled());
}

TEST_F(SeparatorsTest, MalformedElementsAndUnknownCharactersShowWhatCanBeRead) {
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QVariantList raw{
        uR"({"id":"%1","character":"x"})"_s.arg(id),
        uR"({"id":"not a uuid","character":"·"})"_s,
        uR"({"character":"·"})"_s,
        u"not json"_s,
        7, // elements of the wrong kind are skipped like undecodable ones
        QVariantMap{},
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
}

TEST_F(SeparatorsTest, ADuplicatedIdentityShowsOnceAndIsLoggedOnce) {
    const auto twin = separator(u"·");
    const QList<app::SeparatorItem> list{twin, separator(u"—"), {twin.id, u"|"_s}};
    store(list);
    const QVariant raw = storedObject();
    start();
    Defaults::set(app::keys::reducedOpacity(suite), true);
    sim.queue.runUntilIdle();

    EXPECT_EQ(titles(), (QStringList{u"·"_s, u"—"_s}));
    EXPECT_EQ(storedObject(), raw);
    const QStringList logged =
        debug::InMemoryLog::shared().lines().filter(u"[Error]"_s).filter(twin.idString());
    EXPECT_EQ(logged.size(), 1);
    EXPECT_EQ(menuOf(0).at(1), u"Remove"_s);
    item(0).closeMenu();

    // Stored twice and nothing else, it is one separator: the last one stays.
    store({twin, {twin.id, u"|"_s}});
    sim.queue.runUntilIdle();
    EXPECT_EQ(menuOf(0).at(1), u"Remove (disabled)"_s);
}

} // namespace
