// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// What each kind of value looks like in the preferences file: other programs
// and older versions read these forms, so they must not drift.

#include "DefaultsTestSupport.h"

#include <gtest/gtest.h>

using namespace Defaults;

TEST(StoredForm, ARecordIsTheJsonTextOfOneObject) {
    auto suite = freshSuite();
    Key<Record> key(QStringLiteral("record"), Record{}, suite);
    set(key, Record{exampleId, QStringLiteral("|")});
    EXPECT_EQ(suite->object(QStringLiteral("record")).toString(),
              QStringLiteral(R"({"id":"3F2504E0-4F89-41D3-9A0C-0305E82C3301","character":"|"})"));
}

TEST(StoredForm, ScalarsThroughTheJsonBridgeAreBareFragments) {
    EXPECT_EQ(
        TopLevelCodableBridge<QUrl>::serialize(QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt")))
            ->toString(),
        QStringLiteral(R"("file:\/\/\/tmp\/a.txt")"));
    EXPECT_EQ(TopLevelCodableBridge<int>::serialize(5)->toString(), QStringLiteral("5"));
    const QString abc =
        TopLevelCodableBridge<QString>::serialize(QStringLiteral("abc"))->toString();
    EXPECT_EQ(abc, QStringLiteral("\"abc\""));
    EXPECT_EQ(TopLevelCodableBridge<QString>::deserialize(QVariant(abc)), QStringLiteral("abc"));
    EXPECT_EQ(TopLevelCodableBridge<int>::deserialize(QVariant(QString())), std::nullopt);
}

TEST(StoredForm, AListOfRecordsIsOneJsonStringPerElementAndBadElementsAreSkipped) {
    auto suite = freshSuite();
    Key<QList<Record>> key(QStringLiteral("separators"), {}, suite);
    const QList<Record> three{{QUuid::createUuid(), QStringLiteral("—")},
                              {QUuid::createUuid(), QStringLiteral("\t")},
                              {QUuid::createUuid(), QStringLiteral("·")}};
    set(key, three);
    QVariantList stored = suite->object(QStringLiteral("separators")).toList();
    ASSERT_EQ(stored.size(), 3);
    for (const QVariant& element : stored)
        EXPECT_EQ(element.typeId(), QMetaType::QString);
    EXPECT_TRUE(stored[1].toString().contains(QStringLiteral(R"("character":"\t")")));
    EXPECT_TRUE(stored[0].toString().contains(QStringLiteral("\"—\"")));

    stored[1] = QStringLiteral(R"({"id":"not a uuid","character":"x"})");
    suite->set(stored, QStringLiteral("separators"));
    EXPECT_EQ(get(key), (QList<Record>{three[0], three[2]}));
}

TEST(StoredForm, AnEmptyListIsStoredAndReadAsEmptyNotAsTheDefault) {
    auto suite = freshSuite();
    Key<QList<Record>> key(QStringLiteral("list"), {Record{exampleId, QStringLiteral("x")}}, suite);
    set(key, QList<Record>{});
    EXPECT_EQ(suite->object(QStringLiteral("list")), QVariant(QVariantList{}));
    EXPECT_TRUE(get(key).isEmpty());
}

TEST(StoredForm, NativeKindsAreStoredAsThemselvesAndReadOlderJsonForms) {
    auto suite = freshSuite();
    Key<int> number(QStringLiteral("number"), 0, suite);
    Key<QDateTime> date(QStringLiteral("date"), QDateTime(), suite);
    Key<QList<int>> numbers(QStringLiteral("numbers"), {}, suite);
    set(number, 5);
    EXPECT_EQ(suite->object(QStringLiteral("number")).typeId(), QMetaType::LongLong);

    suite->set(QStringLiteral("6"), QStringLiteral("number"));
    EXPECT_EQ(get(number), 6);
    suite->set(QStringLiteral("1"), QStringLiteral("date"));
    EXPECT_EQ(get(date), QDateTime(QDate(2001, 1, 1), QTime(0, 0, 1), Qt::UTC));
    suite->set(QVariantList{QStringLiteral("1"), QStringLiteral("2")}, QStringLiteral("numbers"));
    EXPECT_EQ(get(numbers), (QList<int>{1, 2}));
}

TEST(StoredForm, UuidsAreUpperCaseAndReadInEitherCase) {
    auto suite = freshSuite();
    Key<std::optional<QUuid>> key(QStringLiteral("uuid"), suite);
    set(key, std::optional(exampleId));
    EXPECT_EQ(suite->object(QStringLiteral("uuid")).toString(),
              QStringLiteral("3F2504E0-4F89-41D3-9A0C-0305E82C3301"));
    suite->set(QStringLiteral("3f2504e0-4f89-41d3-9a0c-0305e82c3301"), QStringLiteral("uuid"));
    EXPECT_EQ(get(key), exampleId);
    suite->set(QStringLiteral("{3f2504e0-4f89-41d3-9a0c-0305e82c3301}"), QStringLiteral("uuid"));
    EXPECT_EQ(get(key), std::nullopt);
}

TEST(StoredForm, MapsWithIntegerKeysUseDecimalKeysAndDropEntriesThatDoNotRead) {
    auto suite = freshSuite();
    Key<QMap<int, QUuid>> key(QStringLiteral("map"), {}, suite);
    set(key, QMap<int, QUuid>{{7, exampleId}, {-1, exampleId}});
    const QVariantMap stored = suite->object(QStringLiteral("map")).toMap();
    EXPECT_EQ(stored.keys(), (QStringList{QStringLiteral("-1"), QStringLiteral("7")}));
    EXPECT_EQ(stored.value(QStringLiteral("7")).toString(),
              QStringLiteral("3F2504E0-4F89-41D3-9A0C-0305E82C3301"));

    suite->set(QVariantMap{{QStringLiteral("7"), stored.value(QStringLiteral("7"))},
                           {QStringLiteral("seven"), stored.value(QStringLiteral("7"))},
                           {QStringLiteral("8"), QStringLiteral("not a uuid")}},
               QStringLiteral("map"));
    EXPECT_EQ(get(key), (QMap<int, QUuid>{{7, exampleId}}));
}

TEST(StoredForm, SetsAreListsAndDuplicatesMergeOnReading) {
    auto suite = freshSuite();
    Key<QSet<QString>> key(QStringLiteral("set"), {}, suite);
    set(key, QSet<QString>{QStringLiteral("a")});
    EXPECT_EQ(suite->object(QStringLiteral("set")), QVariant(QVariantList{QStringLiteral("a")}));
    suite->set(QVariantList{QStringLiteral("b"), QStringLiteral("b"), QStringLiteral("c")},
               QStringLiteral("set"));
    EXPECT_EQ(get(key), (QSet<QString>{QStringLiteral("b"), QStringLiteral("c")}));
}

TEST(StoredForm, EnumerationsAreStoredAsTheirRawValue) {
    auto suite = freshSuite();
    Key<Shade> key(QStringLiteral("shade"), Shade::light, suite);
    set(key, Shade::dark);
    EXPECT_EQ(suite->object(QStringLiteral("shade")), QVariant(qint64(2)));
    suite->set(9, QStringLiteral("shade"));
    EXPECT_EQ(get(key), Shade::light) << "a raw value that names no case reads as the default";
}

TEST(StoredForm, ColoursAndUrlsComeBack) {
    auto suite = freshSuite();
    Key<QColor> colour(QStringLiteral("colour"), QColor(Qt::black), suite);
    Key<QUrl> url(QStringLiteral("url"), QUrl(), suite);
    set(colour, QColor(10, 20, 30, 40));
    set(url, QUrl(QStringLiteral("https://example.org/a?b=c")));
    EXPECT_EQ(suite->object(QStringLiteral("colour")).typeId(), QMetaType::QByteArray);
    EXPECT_EQ(get(colour), QColor(10, 20, 30, 40));
    EXPECT_EQ(get(url), QUrl(QStringLiteral("https://example.org/a?b=c")));
    suite->set(QByteArray("junk"), QStringLiteral("colour"));
    EXPECT_EQ(get(colour), QColor(Qt::black));
}

TEST(StoredForm, AnySerializableHoldsTheStoredObjectItself) {
    auto suite = freshSuite();
    Key<AnySerializable> key(QStringLiteral("any"), AnySerializable(1), suite);
    set(key, AnySerializable(QStringLiteral("text")));
    EXPECT_EQ(suite->object(QStringLiteral("any")), QVariant(QStringLiteral("text")));
    EXPECT_EQ(get(key).get<QString>(), QStringLiteral("text"));
    EXPECT_FALSE(AnySerializable(true) == AnySerializable(1)) << "a Boolean is not an integer";
    EXPECT_TRUE(AnySerializable(2.5) == AnySerializable(2.5));

    set(key, AnySerializable());
    EXPECT_FALSE(suite->persistentDomain().contains(QStringLiteral("any")));
    EXPECT_EQ(get(key).get<int>(), 1);
}

TEST(StoredForm, MigrationRewritesOldJsonDocumentsInTodaysForm) {
    auto suite = freshSuite();
    Key<QList<int>> numbers(QStringLiteral("numbers"), {}, suite);
    Key<bool> flag(QStringLiteral("flag"), false, suite);
    Key<QString> text(QStringLiteral("text"), QString(), suite);
    suite->set(QStringLiteral("[1,2,3]"), QStringLiteral("numbers"));
    suite->set(QStringLiteral("true"), QStringLiteral("flag"));
    suite->set(QStringLiteral("plain words"), QStringLiteral("text"));
    migrate(Version::v5, numbers, flag, text);
    EXPECT_EQ(suite->object(QStringLiteral("numbers")),
              QVariant(QVariantList{qint64(1), qint64(2), qint64(3)}));
    EXPECT_EQ(suite->object(QStringLiteral("flag")), QVariant(true));
    EXPECT_EQ(suite->object(QStringLiteral("text")), QVariant(QStringLiteral("plain words")));
}
