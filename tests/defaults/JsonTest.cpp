// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DefaultsTestSupport.h"
#include "debug/InMemoryLog.h"

#include <gtest/gtest.h>

#include <QTimeZone>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace Defaults::Json;
using namespace Qt::StringLiterals;

namespace {

struct Profile {
    QString name;
    std::optional<int> age = 7;
    QList<Record> items;

    static constexpr auto jsonFields() {
        return std::tuple{field("name", &Profile::name), field("age", &Profile::age),
                          field("items", &Profile::items)};
    }
    bool operator==(const Profile&) const = default;
};

const std::string upper = "3F2504E0-4F89-41D3-9A0C-0305E82C3301";

static_assert(Codable<long> && Codable<unsigned short> && Codable<QHash<QString, QList<double>>>);
static_assert(Codable<std::optional<QSet<QByteArray>>> && Codable<QList<QDateTime>>);
static_assert(!Codable<char> && !Codable<long double> && !Codable<QVariant>);
static_assert(!Codable<QMap<QUuid, int>> && !Codable<QList<QVariant>>);

template <class T>
void expectDecoded(const std::vector<std::pair<std::string, std::optional<T>>>& table) {
    for (const auto& [text, expected] : table)
        EXPECT_EQ(decodeText<T>(text), expected) << text;
}

template <class T> void expectRoundTrip(const T& value, const std::string& text) {
    EXPECT_EQ(encodeText(value), text);
    EXPECT_EQ(decodeText<T>(text), std::optional<T>(std::in_place, value)) << text;
}

TEST(JsonText, ReadsTheWrappedTextAsAnArrayAndTakesItsFirstElement) {
    expectDecoded<int>({{"", std::nullopt},
                        {"1,2", 1},
                        {" 5 ", 5},
                        {"1,\"x\"", std::nullopt},
                        {"5]", std::nullopt},
                        {"\xEF\xBB\xBF"
                         "5",
                         std::nullopt}});
    EXPECT_EQ(decodeText<QList<int>>("[]"), QList<int>());
}

TEST(JsonText, LogsTheReasonWhenEncodingFails) {
    const auto lastLogged = [] { return debug::InMemoryLog::shared().lines().constLast(); };
    EXPECT_EQ(encodeText(QList<float>{1, -HUGE_VALF}), std::nullopt);
    EXPECT_EQ(lastLogged(), u"Unable to encode -Float.infinity directly in JSON."_s);
    EXPECT_EQ(encodeText(QUrl()), std::nullopt);
    EXPECT_EQ(lastLogged(), u"Unable to encode an invalid URL in JSON."_s);
    EXPECT_EQ(encodeText(QDateTime()), std::nullopt);
    EXPECT_EQ(lastLogged(), u"Unable to encode an invalid date in JSON."_s);
}

TEST(JsonCoding, DecodesRecordsLikeSynthesizedCodable) {
    const Record item{exampleId, u"|"_s};
    expectDecoded<Record>({{R"({"character":"|","id":")" + upper + R"("})", item},
                           {R"({"id":")" + upper + R"(","character":"|","extra":[1]})", item},
                           {R"({"id":")" + upper + R"("})", std::nullopt},
                           {R"({"id":")" + upper + R"(","character":null})", std::nullopt},
                           {R"({"id":"{)" + upper + R"(}","character":"|"})", std::nullopt},
                           {R"({"id":")" + upper + R"(","character":5})", std::nullopt},
                           {"[]", std::nullopt}});
}

TEST(JsonCoding, LeavesOutNoneMembersAndReadsMissingOnesAsNone) {
    const Profile full{u"a"_s, 30, {Record{exampleId, u"-"_s}}};
    expectRoundTrip(full,
                    R"({"name":"a","age":30,"items":[{"id":")" + upper + R"(","character":"-"}]})");
    expectRoundTrip(Profile{u"b"_s, std::nullopt, {}}, R"({"name":"b","items":[]})");
    expectDecoded<Profile>(
        {{R"({"name":"b","age":null,"items":[]})", Profile{u"b"_s, std::nullopt, {}}},
         {R"({"name":"b","age":"30","items":[]})", std::nullopt},
         {R"({"name":"b","age":1})", std::nullopt}});
}

TEST(JsonCoding, DecodesIntegersOnlyFromExactNumbersInRange) {
    expectDecoded<int>({{"5.0", 5},
                        {"-0.0", 0},
                        {"5.5", std::nullopt},
                        {R"("5")", std::nullopt},
                        {"true", std::nullopt},
                        {"null", std::nullopt}});
    expectDecoded<qint8>(
        {{"127", 127}, {"128", std::nullopt}, {"-128", -128}, {"-129", std::nullopt}});
    expectDecoded<quint8>({{"255", 255}, {"256", std::nullopt}, {"-1", std::nullopt}});
    expectDecoded<qint64>({{"9223372036854775807", std::numeric_limits<qint64>::max()},
                           {"9223372036854775808", std::nullopt},
                           {"-9.2233720368547758e18", std::numeric_limits<qint64>::min()},
                           {"9.2233720368547758e18", std::nullopt}});
    expectDecoded<quint64>({{"18446744073709551615", std::numeric_limits<quint64>::max()},
                            {"18446744073709551616", std::nullopt},
                            {"1.8e19", 18'000'000'000'000'000'000u},
                            {"-1", std::nullopt}});
    expectRoundTrip(std::numeric_limits<quint64>::max(), "18446744073709551615");
    expectRoundTrip(std::numeric_limits<qint64>::min(), "-9223372036854775808");
}

TEST(JsonCoding, RoundTripsFloatingNumbersExactly) {
    EXPECT_TRUE(std::signbit(*decodeText<double>("-0")));
    expectRoundTrip(0.1f, "0.1");
    expectRoundTrip(FLT_MAX, "3.4028235e+38");
    expectRoundTrip(1e-45f, "1e-45");
    expectDecoded<float>({{"5", 5.0f}, {"1e39", std::nullopt}, {R"("1")", std::nullopt}});
    expectDecoded<double>({{"18446744073709551615", 0x1p64}, {"true", std::nullopt}});
}

TEST(JsonCoding, CodesDatesAsSecondsSinceTwoThousandOne) {
    const auto reference = QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    expectRoundTrip(reference.addMSecs(1500), "1.5");
    expectRoundTrip(reference.addMSecs(-1), "-0.001");
    expectRoundTrip(QDateTime(QDate(1970, 1, 1), QTime(0, 0), QTimeZone::utc()), "-978307200");
    expectRoundTrip(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59, 999), QTimeZone::utc()),
                    "730943999.999");
    expectDecoded<QDateTime>({{"1e300", std::nullopt}, {R"("1.5")", std::nullopt}});
}

TEST(JsonCoding, CodesDataUuidsAndUrlsAsText) {
    expectRoundTrip(QByteArray("ab"), R"("YWI=")");
    expectRoundTrip(QByteArray(), R"("")");
    expectRoundTrip(QByteArray("\xff\xfe?", 3), R"("\/\/4\/")");
    expectDecoded<QByteArray>(
        {{R"("YWI")", std::nullopt}, {R"("YW I=")", std::nullopt}, {R"("====")", std::nullopt}});
    expectRoundTrip(QUuid(), R"("00000000-0000-0000-0000-000000000000")");
    expectDecoded<QUuid>({{R"("3f2504e0-4F89-41d3-9a0c-0305e82c3301")", exampleId},
                          {R"("3F2504E04F8941D39A0C0305E82C3301")", std::nullopt},
                          {R"("3F2504E0-4F89-41D3-9A0C-0305E82C330")", std::nullopt},
                          {R"("3F2504E0-4F89-41D3-9A0C-0305E82C330G")", std::nullopt}});
    expectRoundTrip(QUrl(u"https://example.com/a b?q=\u00e4"_s),
                    R"("https:\/\/example.com\/a%20b?q=%C3%A4")");
    expectDecoded<QUrl>({{R"("")", std::nullopt}, {R"("a b")", std::nullopt}, {"1", std::nullopt}});
}

TEST(JsonCoding, CodesOptionalsCollectionsMapsAndRawValues) {
    expectRoundTrip(std::optional<int>(), "null");
    expectRoundTrip(std::optional<int>(4), "4");
    expectDecoded<std::optional<int>>({{R"("4")", std::nullopt}});
    expectRoundTrip(QList<QString>{u"a"_s, u"b"_s}, R"(["a","b"])");
    expectDecoded<QList<int>>({{R"([1,"x"])", std::nullopt}, {"{}", std::nullopt}});
    expectRoundTrip(QSet<int>{3}, "[3]");
    expectDecoded<QSet<int>>({{"[1,1,2]", QSet<int>{1, 2}}});
    expectRoundTrip(QMap<QString, bool>{{u"b"_s, true}, {u"a"_s, false}},
                    R"({"a":false,"b":true})");
    expectRoundTrip(QMap<int, QUuid>{{-2, exampleId}},
                    R"({"-2":"3F2504E0-4F89-41D3-9A0C-0305E82C3301"})");
    expectRoundTrip(QHash<qint64, int>{{7, 8}}, R"({"7":8})");
    expectDecoded<QMap<int, int>>({{R"({"+5":1,"5":2})", QMap<int, int>{{5, 1}}},
                                   {R"({"x":1})", std::nullopt},
                                   {R"({"5 ":1})", std::nullopt},
                                   {R"({"5":"1"})", std::nullopt}});
    expectRoundTrip(Shade::dark, "2");
    expectDecoded<Shade>({{"3", std::nullopt}, {"1.0", Shade::light}});
}

} // namespace
