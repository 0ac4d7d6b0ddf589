// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DefaultsTestSupport.h"

#include <gtest/gtest.h>

using namespace Defaults;
using namespace Qt::StringLiterals;

TEST(Key, RegistersItsDefaultThatIsNeverStoredAndThatRemoveAllFallsBackTo) {
    const SuiteFile file;
    auto suite = file.open();
    Key<QList<Record>> separators(u"separators"_s, {}, suite);
    Key<bool> reducedOpacity(u"reducedOpacity"_s, true, suite);
    EXPECT_EQ(suite->object(u"separators"_s), QVariant(QVariantList{}));
    set(reducedOpacity, false);
    EXPECT_EQ(suite->dictionaryRepresentation(),
              (QVariantMap{{u"separators"_s, QVariantList{}}, {u"reducedOpacity"_s, false}}));
    EXPECT_EQ(file.open()->persistentDomain().keys(), QStringList{u"reducedOpacity"_s});
    suite->set(true, QStringLiteral("undeclared"));
    removeAll(*suite);
    EXPECT_TRUE(suite->persistentDomain().isEmpty());
    EXPECT_TRUE(get(reducedOpacity));
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
    EXPECT_EQ(suite->object(QStringLiteral("k")).toLongLong(), 2);
    set(first, 7);
    EXPECT_EQ(get(second), 7);
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
