// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// The separators in the menu bar: one status item per separator, following
// every change of the list and of reduced opacity, and what the menu's New,
// Remove and characters do.

#include "SeparatorsTestSupport.h"

#include "debug/InMemoryLog.h"

#include <QDir>

#include <unistd.h>

using separators_testing::separator;
using separators_testing::SeparatorsTest;
using separators_testing::SimStatusItem;

namespace {

TEST_F(SeparatorsTest, AFreshStartStoresAndShowsOneEmDashSeparator) {
    start();
    const auto list = stored();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].character, QStringLiteral("—"));
    ASSERT_EQ(items().size(), 1u);
    const QString autosaveName = item(0).autosaveName().value_or(QString());
    EXPECT_EQ(autosaveName, list[0].id.toString(QUuid::WithoutBraces).toUpper());
    EXPECT_EQ(autosaveName.size(), 36);
    EXPECT_EQ(item(0).simButton().title(), QStringLiteral("—"));
    EXPECT_EQ(item(0).length(), -1.0);
    EXPECT_FALSE(item(0).simButton().appearsDisabled());
    EXPECT_FALSE(Defaults::get(app::keys::reducedOpacity(suite)));
}

TEST_F(SeparatorsTest, NewCopiesTheCharacterOrMakesAnEmDashFromABlank) {
    store({separator(u"—"), separator(u"•"), separator(u" "), separator(u"\t")});
    start();
    for (std::size_t index = 0; index < 4; ++index)
        choose(index, {QStringLiteral("New")});

    const auto list = stored();
    ASSERT_EQ(list.size(), 8);
    QStringList added;
    for (qsizetype index = 4; index < 8; ++index)
        added.append(list[index].character);
    EXPECT_EQ(added, (QStringList{QStringLiteral("—"), QStringLiteral("•"), QStringLiteral("—"),
                                  QStringLiteral("—")}));
    EXPECT_EQ(titles(), (QStringList{QStringLiteral("—"), QStringLiteral("•"), QStringLiteral(" "),
                                     QStringLiteral("\t"), QStringLiteral("—"), QStringLiteral("•"),
                                     QStringLiteral("—"), QStringLiteral("—")}));
    EXPECT_EQ(item(7).autosaveName(), list[7].idString());
    EXPECT_EQ(sim.statusBar.createdCount(), 8);
}

TEST_F(SeparatorsTest, RemoveIsOfferedWithTwoOrMoreAndRemovesOnlyItsOwnSeparator) {
    start();
    EXPECT_EQ(menuOf(0).at(1), QStringLiteral("Remove (disabled)"));
    item(0).closeMenu();
    choose(0, {QStringLiteral("New")});
    choose(1, {QStringLiteral("New")});
    const auto before = stored();
    SimStatusItem* first = &item(0);
    SimStatusItem* last = &item(2);
    EXPECT_EQ(menuOf(0).at(1), QStringLiteral("Remove"));
    item(0).closeMenu();

    choose(1, {QStringLiteral("Remove")});
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
    ASSERT_TRUE(item(0).choose({QStringLiteral("Remove")}));
    sim.queue.runUntilIdle();
    EXPECT_EQ(stored(), elsewhere);
    EXPECT_EQ(titles(), (QStringList{QStringLiteral("·"), QStringLiteral("|")}));
}

TEST_F(SeparatorsTest, ChoosingTabShowsATabAndChecksTabInTheSameStatusItem) {
    start();
    choose(0, {QStringLiteral("tab")});
    EXPECT_EQ(item(0).simButton().title(), QStringLiteral("\t"));
    EXPECT_EQ(stored().at(0).character, QStringLiteral("\t"));
    const QStringList menu = menuOf(0);
    EXPECT_TRUE(menu.contains(QStringLiteral("tab (checked, italic)")));
    EXPECT_TRUE(menu.contains(QStringLiteral("— (monospace)")));
    EXPECT_EQ(sim.statusBar.createdCount(), 1);
}

TEST_F(SeparatorsTest, ReducedOpacityDimsEverySeparatorAtOnce) {
    store({separator(u"—"), separator(u"·"), separator(u"|")});
    start();
    const auto dimmed = [this] {
        QList<bool> result;
        for (SimStatusItem* shown : items())
            result.append(shown->simButton().appearsDisabled());
        return result;
    };
    Defaults::set(app::keys::reducedOpacity(suite), true);
    sim.queue.runUntilIdle();
    EXPECT_EQ(dimmed(), (QList<bool>{true, true, true}));
    Defaults::set(app::keys::reducedOpacity(suite), false);
    sim.queue.runUntilIdle();
    EXPECT_EQ(dimmed(), (QList<bool>{false, false, false}));
    EXPECT_EQ(sim.statusBar.createdCount(), 3);
}

TEST_F(SeparatorsTest, AListEmptiedByAnotherProcessIsRepairedAtOnce) {
    start();
    auto otherProcess = UserDefaults::open(suite->name(), suite->filePath());
    Defaults::set(app::keys::separators(otherProcess), QList<app::SeparatorItem>{});
    suite->synchronize();
    sim.queue.runUntilIdle();

    const auto list = stored();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].character, QStringLiteral("—"));
    ASSERT_EQ(items().size(), 1u);
    EXPECT_EQ(item(0).autosaveName(), list[0].idString());
}

TEST_F(SeparatorsTest, ARepairThatCannotBeStoredShowsOneSeparatorAndDoesNotRetryForEver) {
    // A folder where the temporary file goes makes every write fail, as a
    // full disk would.
    ASSERT_TRUE(
        QDir().mkpath(suite->filePath() + QStringLiteral(".tmp-") + QString::number(::getpid())));
    start();
    EXPECT_EQ(sim.queue.pendingCount(), 0);
    ASSERT_EQ(items().size(), 1u);
    EXPECT_EQ(item(0).simButton().title(), QStringLiteral("—"));
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
    EXPECT_EQ(titles(), (QStringList{QStringLiteral("—"), QStringLiteral("|")}));
    EXPECT_EQ(sim.statusBar.createdCount(), 2);
    EXPECT_EQ(item(0).simButton().titleWrites(), rendered + 1);
}

// --- Stored lists that are not what Gapsel writes -----------------------------

TEST_F(SeparatorsTest, MalformedElementsAndUnknownCharactersShowWhatCanBeRead) {
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QVariantList raw{
        QStringLiteral(R"({"id":"%1","character":"x"})").arg(id),
        QStringLiteral(R"({"id":"not a uuid","character":"·"})"),
        QStringLiteral(R"({"character":"·"})"),
        QStringLiteral("not json"),
        7, // elements of the wrong kind are skipped like undecodable ones
        QVariantMap{},
        QStringLiteral(R"({"character":"|","id":"%1"})")
            .arg(QUuid::createUuid().toString(QUuid::WithoutBraces)),
    };
    suite->set(raw, QStringLiteral("separators"));
    start();

    EXPECT_EQ(titles(), (QStringList{QStringLiteral("x"), QStringLiteral("|")}));
    EXPECT_EQ(storedObject(), QVariant(raw));
    for (const QString& line : menuOf(0))
        EXPECT_FALSE(line.contains(QStringLiteral("checked"))) << line.toStdString();
    item(0).closeMenu();

    choose(0, {QStringLiteral("New")});
    EXPECT_EQ(titles(),
              (QStringList{QStringLiteral("x"), QStringLiteral("|"), QStringLiteral("x")}));
    EXPECT_EQ(stored().size(), 3);
}

TEST_F(SeparatorsTest, ADuplicatedIdentityShowsOnceAndIsLoggedOnce) {
    const auto twin = separator(u"·");
    const QList<app::SeparatorItem> list{twin, separator(u"—"), {twin.id, QStringLiteral("|")}};
    store(list);
    const QVariant raw = storedObject();
    start();
    Defaults::set(app::keys::reducedOpacity(suite), true);
    sim.queue.runUntilIdle();

    EXPECT_EQ(titles(), (QStringList{QStringLiteral("·"), QStringLiteral("—")}));
    EXPECT_EQ(storedObject(), raw);
    const QStringList logged = debug::InMemoryLog::shared()
                                   .lines()
                                   .filter(QStringLiteral("[Error]"))
                                   .filter(twin.idString());
    EXPECT_EQ(logged.size(), 1);
    EXPECT_EQ(menuOf(0).at(1), QStringLiteral("Remove"));
}

TEST_F(SeparatorsTest, OneIdentityStoredTwiceIsOneSeparatorThatCannotBeRemoved) {
    const auto twin = separator(u"·");
    store({twin, {twin.id, QStringLiteral("|")}});
    start();
    EXPECT_EQ(menuOf(0).at(1), QStringLiteral("Remove (disabled)"));
}

TEST_F(SeparatorsTest, LongAndMultiLineCharactersAreShownAsTheyAre) {
    const QString family = QStringLiteral("👩‍👩‍👧 and more");
    const QString twoLines = QStringLiteral("a\nb");
    store({{QUuid::createUuid(), family}, {QUuid::createUuid(), twoLines}});
    start();
    EXPECT_EQ(titles(), (QStringList{family, twoLines}));
    choose(0, {QStringLiteral("New")});
    EXPECT_EQ(stored().last().character, family);
}

TEST_F(SeparatorsTest, AnUnreadableListIsRecordedBeforeItIsReplaced) {
    suite->set(QStringLiteral("garbage-7f3a"), QStringLiteral("separators"));
    start();
    ASSERT_EQ(stored().size(), 1);
    EXPECT_EQ(titles(), QStringList{QStringLiteral("—")});
    EXPECT_EQ(debug::InMemoryLog::shared().lines().filter(QStringLiteral("garbage-7f3a")).size(),
              1);
}

} // namespace
