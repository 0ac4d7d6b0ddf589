// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DefaultsTestSupport.h"
#include "defaults/PropertyList.h"

#include <QTimeZone>

#include <gtest/gtest.h>

using namespace Defaults;
using namespace Qt::StringLiterals;

namespace {

TEST(Key, RegistersItsDefaultNeverStoredUnlessWrittenAndResetOrRemoveAllFallBackToIt) {
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

    // Writing the default stores it, and reset removes it.
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

    // Keys with the same name share one entry, and the later default wins.
    Key<int> first(QStringLiteral("k"), 1, suite);
    Key<int> second(QStringLiteral("k"), 2, suite);
    EXPECT_EQ(suite->object(QStringLiteral("k")).toLongLong(), 2);
    set(first, 7);
    EXPECT_EQ(get(second), 7);

    // Modify writes once, even when nothing changed.
    Key<QList<int>> key(QStringLiteral("list"), {1}, suite);
    int writes = 0;
    suite->addObserver(QStringLiteral("list"), 0, [&](const auto&) { ++writes; });
    modify(key, [](QList<int>& list) { list.append(2); });
    EXPECT_EQ(get(key), (QList<int>{1, 2}));
    modify(key, [](QList<int>&) {});
    EXPECT_EQ(writes, 2);
}

// What each kind of value looks like in the preferences file: other programs
// and older versions read these forms, so they must not drift.

QString recordText(const QString& character) {
    return uR"({"id":")"_s + exampleIdText + uR"(","character":")"_s + character + uR"("})"_s;
}

template <class T> void expectStoredAs(const T& value, const QVariant& stored, T fallback = {}) {
    Key<T> key(u"k"_s, fallback, SuiteFile().open());
    set(key, value);
    const QVariant object = key.suite().object(u"k"_s);
    EXPECT_TRUE(Defaults::identicalValues(object, stored)) << object.toString().toStdString();
    EXPECT_EQ(get(key), value);
}

// `stored`, as another program or an older version left it, reads as `read`
// and stays as it is.
template <class T> void expectReadAs(const QVariant& stored, const T& read, T fallback = {}) {
    auto suite = SuiteFile().open();
    Key<T> key(u"k"_s, fallback, suite);
    ASSERT_TRUE(suite->set(stored, u"k"_s));
    EXPECT_EQ(get(key), read);
    EXPECT_TRUE(
        Defaults::identicalValues(suite->object(u"k"_s), *Defaults::propertyListValue(stored)));
}

const Record example{exampleId, u"|"_s};

TEST(StoredForm, EachKindIsStoredInItsOwnForm) {
    expectStoredAs(example, recordText(u"|"_s));
    // One JSON text per element, not one for the whole list.
    expectStoredAs(QList<Record>{example, {exampleId, u"\t"_s}, {exampleId, u"—"_s}},
                   QVariantList{recordText(u"|"_s), recordText(u"\\t"_s), recordText(u"—"_s)});
    expectStoredAs(QList<Record>{}, QVariantList{}, {example});
    expectStoredAs(5, qint64(5));
    expectStoredAs(0.5f, 0.5);
    expectStoredAs(std::numeric_limits<quint64>::max(), std::numeric_limits<quint64>::max());
    expectStoredAs(std::optional(exampleId), exampleIdText);
    const QDateTime when(QDate(2026, 12, 6), QTime(18, 0), QTimeZone::utc());
    expectStoredAs(std::optional(when), QVariant(when));
    expectStoredAs(QMap<int, QUuid>{{7, exampleId}, {-1, exampleId}},
                   QVariantMap{{u"-1"_s, exampleIdText}, {u"7"_s, exampleIdText}});
    expectStoredAs(QSet<QString>{u"a"_s}, QVariantList{u"a"_s});
    expectStoredAs(Shade::dark, qint64(2), Shade::light);
    expectStoredAs(QUrl::fromLocalFile(u"/tmp/a.txt"_s), uR"("file:\/\/\/tmp\/a.txt")"_s);
    expectStoredAs(QColor(10, 20, 30, 40),
                   QByteArray::fromHex("47534331"
                                       "01"
                                       "28280a0a14141e1e0000"),
                   QColor(Qt::black));
}

TEST(StoredForm, WhatDoesNotReadAsTheKindGivesTheDefaultOrSkipsTheElement) {
    const QString badRecord = uR"({"id":"not a uuid","character":"x"})"_s;
    expectReadAs(QVariantList{recordText(u"a"_s), badRecord, recordText(u"b"_s)},
                 QList<Record>{{exampleId, u"a"_s}, {exampleId, u"b"_s}});
    expectReadAs(qint64(42), QList<Record>{});
    expectReadAs(1, false, false); // an integer is not a Boolean
    expectReadAs(300, qint8(0));
    expectReadAs(5.0, qint8(5));
    expectReadAs(0.1, 0.f);
    expectReadAs(u"3f2504e0-4f89-41d3-9a0c-0305e82c3301"_s, std::optional(exampleId));
    expectReadAs(u"{3f2504e0-4f89-41d3-9a0c-0305e82c3301}"_s, std::optional<QUuid>());
    expectReadAs(
        QVariantMap{{u"7"_s, exampleIdText}, {u"seven"_s, exampleIdText}, {u"8"_s, u"x"_s}},
        QMap<int, QUuid>{{7, exampleId}});
    expectReadAs(QVariantList{u"b"_s, u"b"_s, u"c"_s}, QSet<QString>{u"b"_s, u"c"_s});
    expectReadAs(9, Shade::light, Shade::light); // a raw value that names no case
    expectReadAs(QByteArray("junk"), QColor(Qt::black), QColor(Qt::black));
    expectReadAs(u""_s, QUrl(u"https://example.org"_s), QUrl(u"https://example.org"_s));
    // Forms that older versions wrote as JSON text.
    expectReadAs(u"6"_s, 6);
    expectReadAs(u"1"_s, QDateTime(QDate(2001, 1, 1), QTime(0, 0, 1), QTimeZone::utc()));
    expectReadAs(QVariantList{u"1"_s, u"2"_s}, QList<int>{1, 2});
    // A list that is neither all native nor all JSON texts keeps the texts.
    expectReadAs(QVariantList{1, u"2"_s}, QList<int>{2}, QList<int>{9});
}

TEST(StoredForm, AnySerializableHoldsTheStoredObjectAndMigrationRewritesOldJson) {
    auto suite = SuiteFile().open();
    Key<AnySerializable> key(u"any"_s, AnySerializable(1), suite);
    set(key, AnySerializable(u"text"_s));
    EXPECT_EQ(suite->object(u"any"_s), QVariant(u"text"_s));
    EXPECT_EQ(get(key).get<QString>(), u"text"_s);
    EXPECT_FALSE(AnySerializable(true) == AnySerializable(1)) << "a Boolean is not an integer";

    set(key, AnySerializable());
    EXPECT_FALSE(suite->persistentDomain().contains(u"any"_s));
    EXPECT_EQ(get(key).get<int>(), 1);

    // Migration rewrites old JSON documents in today's form.
    Key<QList<int>> numbers(u"numbers"_s, {}, suite);
    Key<bool> flag(u"flag"_s, false, suite);
    Key<QString> text(u"text"_s, QString(), suite);
    suite->set(u"[1,2,3]"_s, u"numbers"_s);
    suite->set(u"true"_s, u"flag"_s);
    suite->set(u"plain words"_s, u"text"_s);
    migrate(Version::v5, numbers, flag, text);
    EXPECT_EQ(suite->object(u"numbers"_s), QVariant(QVariantList{qint64(1), qint64(2), qint64(3)}));
    EXPECT_EQ(suite->object(u"flag"_s), QVariant(true));
    EXPECT_EQ(suite->object(u"text"_s), QVariant(u"plain words"_s));
}

} // namespace
