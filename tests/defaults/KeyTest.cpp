// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DefaultsTestSupport.h"

#include <gtest/gtest.h>

using namespace Defaults;

TEST(Key, RegistersItsDefaultSoEveryReaderOfTheDomainSeesIt) {
    auto suite = freshSuite();
    Key<QList<Record>> separators(QStringLiteral("separators"), {}, suite);
    Key<bool> reducedOpacity(QStringLiteral("reducedOpacity"), false, suite);
    EXPECT_EQ(suite->object(QStringLiteral("separators")), QVariant(QVariantList{}));
    EXPECT_EQ(suite->object(QStringLiteral("reducedOpacity")), QVariant(false));
    EXPECT_TRUE(suite->persistentDomain().isEmpty()) << "registration is never written";
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

TEST(Key, AStoredObjectOfAnotherKindReadsAsTheDefaultAndStays) {
    auto suite = freshSuite();
    Key<QList<Record>> key(QStringLiteral("separators"), {}, suite);
    Key<bool> flag(QStringLiteral("flag"), true, suite);
    suite->set(42, QStringLiteral("separators"));
    suite->set(1, QStringLiteral("flag"));
    EXPECT_TRUE(get(key).isEmpty());
    EXPECT_TRUE(get(flag)) << "an integer is not a Boolean";
    EXPECT_EQ(suite->object(QStringLiteral("separators")), QVariant(qint64(42)));
}

TEST(Key, NumbersReadOnlyWhenTheyFitExactly) {
    auto suite = freshSuite();
    Key<qint8> small(QStringLiteral("small"), 0, suite);
    Key<float> single(QStringLiteral("single"), 0.f, suite);
    Key<quint64> big(QStringLiteral("big"), 0, suite);
    suite->set(300, QStringLiteral("small"));
    EXPECT_EQ(get(small), 0);
    suite->set(5.0, QStringLiteral("small"));
    EXPECT_EQ(get(small), 5);
    suite->set(0.1, QStringLiteral("single"));
    EXPECT_EQ(get(single), 0.f);
    set(single, 0.5f);
    EXPECT_EQ(get(single), 0.5f);
    set(big, std::numeric_limits<quint64>::max());
    EXPECT_EQ(get(big), std::numeric_limits<quint64>::max());
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

TEST(Key, RemoveAllTakesUndeclaredEntriesTooAndKeysFallBackToTheirDefaults) {
    auto suite = freshSuite();
    Key<int> declared(QStringLiteral("declared"), 4, suite);
    set(declared, 9);
    suite->set(true, QStringLiteral("undeclared"));
    removeAll(*suite);
    EXPECT_TRUE(suite->persistentDomain().isEmpty());
    EXPECT_EQ(get(declared), 4);
}
