// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DefaultsTestSupport.h"

#include <gtest/gtest.h>

using namespace Defaults;

TEST(Key, RegistersItsDefaultThatIsNeverStoredAndThatRemoveAllFallsBackTo) {
    auto suite = freshSuite();
    Key<QList<Record>> separators(QStringLiteral("separators"), {}, suite);
    Key<bool> reducedOpacity(QStringLiteral("reducedOpacity"), true, suite);
    EXPECT_EQ(suite->object(QStringLiteral("separators")), QVariant(QVariantList{}));
    EXPECT_EQ(suite->object(QStringLiteral("reducedOpacity")), QVariant(true));
    EXPECT_TRUE(suite->persistentDomain().isEmpty()) << "registration is never written";
    set(reducedOpacity, false);
    suite->set(true, QStringLiteral("undeclared"));
    removeAll(*suite);
    EXPECT_TRUE(suite->persistentDomain().isEmpty());
    EXPECT_TRUE(get(reducedOpacity));
}

TEST(Key, AnOptionalKeyWithoutDefaultRegistersNothingAndReadsNone) {
    auto suite = freshSuite();
    Key<std::optional<QDateTime>> key(QStringLiteral("date"), suite);
    EXPECT_FALSE(suite->object(QStringLiteral("date")).isValid());
    EXPECT_EQ(get(key), std::nullopt);
    const QDateTime when(QDate(2026, 12, 6), QTime(18, 0), Qt::UTC);
    set(key, std::optional(when));
    EXPECT_EQ(get(key), when);
    set(key, std::optional<QDateTime>());
    EXPECT_FALSE(suite->persistentDomain().contains(QStringLiteral("date")));
}

TEST(Key, WritingTheDefaultStoresItAndResetRemovesIt) {
    auto suite = freshSuite();
    Key<qint64> count(QStringLiteral("count"), 0, suite);
    EXPECT_TRUE(isAtDefault(count));
    set(count, qint64(0));
    EXPECT_TRUE(suite->persistentDomain().contains(QStringLiteral("count")));
    EXPECT_TRUE(isAtDefault(count));
    set(count, qint64(3));
    EXPECT_FALSE(isAtDefault(count));
    reset(count);
    EXPECT_FALSE(suite->persistentDomain().contains(QStringLiteral("count")));
    EXPECT_EQ(get(count), 0);
}

TEST(Key, KeysWithTheSameNameShareOneEntryAndTheLaterDefaultWins) {
    auto suite = freshSuite();
    Key<int> first(QStringLiteral("k"), 1, suite);
    Key<int> second(QStringLiteral("k"), 2, suite);
    EXPECT_TRUE(first == second);
    EXPECT_EQ(suite->object(QStringLiteral("k")).toLongLong(), 2);
    set(first, 7);
    EXPECT_EQ(get(second), 7);
    EXPECT_FALSE(first == Key<int>(QStringLiteral("k"), 1, freshSuite()));
}

TEST(Key, ModifyWritesOnceEvenWhenNothingChanged) {
    auto suite = freshSuite();
    Key<QList<int>> key(QStringLiteral("list"), {1}, suite);
    int writes = 0;
    suite->addObserver(QStringLiteral("list"), 0, [&](const auto&) { ++writes; });
    modify(key, [](QList<int>& list) { list.append(2); });
    EXPECT_EQ(get(key), (QList<int>{1, 2}));
    modify(key, [](QList<int>&) {});
    EXPECT_EQ(writes, 2);
}
