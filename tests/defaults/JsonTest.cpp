// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/Json.h"
#include "DefaultsTestSupport.h"
#include "debug/InMemoryLog.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QTimeZone>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

using namespace Defaults;
using namespace Qt::StringLiterals;

namespace {

struct Profile {
    QString name;
    std::optional<int> age = 7;
    QList<Record> items;

    static constexpr auto jsonFields() {
        return std::tuple{jsonField("name", &Profile::name), jsonField("age", &Profile::age),
                          jsonField("items", &Profile::items)};
    }
    bool operator==(const Profile&) const = default;
};

const std::string upper = exampleIdText.toStdString();

static_assert(JsonCodable<long> && JsonCodable<unsigned short> &&
              JsonCodable<QHash<QString, QList<double>>>);
static_assert(JsonCodable<std::optional<QSet<QByteArray>>> && JsonCodable<QList<QDateTime>>);
static_assert(!JsonCodable<char> && !JsonCodable<long double> && !JsonCodable<QVariant>);
static_assert(!JsonCodable<QMap<QUuid, int>> && !JsonCodable<QList<QVariant>>);

template <class T>
void expectDecoded(const std::vector<std::pair<std::string, std::optional<T>>>& table) {
    for (const auto& [text, expected] : table)
        EXPECT_EQ(decodeJsonText<T>(text), expected) << text;
}

template <class T> void expectRoundTrip(const T& value, const std::string& text) {
    EXPECT_EQ(encodeJsonText(value), text);
    EXPECT_EQ(decodeJsonText<T>(text), std::optional<T>(std::in_place, value)) << text;
}

std::string rewritten(std::string_view text) {
    const auto value = readJson(text);
    return value ? writeJson(*value).value_or("unwritable") : "none";
}

std::string nested(std::size_t depth) {
    return std::string(depth, '[') + std::string(depth, ']');
}

TEST(JsonText, ReadsTheWrappedTextAsAnArrayAndLogsWhyEncodingFails) {
    expectDecoded<int>({{"", std::nullopt},
                        {"1,2", 1},
                        {" 5 ", 5},
                        {"1,\"x\"", std::nullopt},
                        {"5]", std::nullopt},
                        {"\uFEFF5", std::nullopt}});
    EXPECT_EQ(decodeJsonText<QList<int>>("[]"), QList<int>());

    const auto lastLogged = [] { return testing_support::log().lines().constLast(); };
    EXPECT_EQ(encodeJsonText(QList<float>{1, -HUGE_VALF}), std::nullopt);
    EXPECT_EQ(lastLogged(), u"Unable to encode -Float.infinity directly in JSON."_s);
    EXPECT_EQ(encodeJsonText(QUrl()), std::nullopt);
    EXPECT_EQ(lastLogged(), u"Unable to encode an invalid URL in JSON."_s);
    EXPECT_EQ(encodeJsonText(QDateTime()), std::nullopt);
    EXPECT_EQ(lastLogged(), u"Unable to encode an invalid date in JSON."_s);
}

TEST(JsonCoding, CodesRecordsLikeSynthesizedCodableLeavingOutNoneMembers) {
    const Record item{exampleId, u"|"_s};
    expectDecoded<Record>({{R"({"character":"|","id":")" + upper + R"("})", item},
                           {R"({"id":")" + upper + R"(","character":"|","extra":[1]})", item},
                           {R"({"id":")" + upper + R"("})", std::nullopt},
                           {R"({"id":")" + upper + R"(","character":null})", std::nullopt},
                           {R"({"id":"{)" + upper + R"(}","character":"|"})", std::nullopt},
                           {R"({"id":")" + upper + R"(","character":5})", std::nullopt},
                           {"[]", std::nullopt}});

    expectRoundTrip(Profile{u"a"_s, 30, {Record{exampleId, u"-"_s}}},
                    R"({"name":"a","age":30,"items":[{"id":")" + upper + R"(","character":"-"}]})");
    expectRoundTrip(Profile{u"b"_s, std::nullopt, {}}, R"({"name":"b","items":[]})");
    expectDecoded<Profile>(
        {{R"({"name":"b","age":null,"items":[]})", Profile{u"b"_s, std::nullopt, {}}},
         {R"({"name":"b","age":"30","items":[]})", std::nullopt},
         {R"({"name":"b","age":1})", std::nullopt}});
}

TEST(JsonCoding, DecodesIntegersOnlyFromExactNumbersInRangeAndRoundTripsRealsExactly) {
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

    EXPECT_TRUE(std::signbit(*decodeJsonText<double>("-0")));
    expectRoundTrip(0.1f, "0.1");
    expectRoundTrip(FLT_MAX, "3.4028235e+38");
    expectRoundTrip(1e-45f, "1e-45");
    expectDecoded<float>({{"5", 5.0f}, {"1e39", std::nullopt}, {R"("1")", std::nullopt}});
    expectDecoded<double>({{"18446744073709551615", 0x1p64}, {"true", std::nullopt}});
}

TEST(JsonCoding, CodesDatesAsSecondsDataUuidsAndUrlsAsTextAndCollectionsAndRawValues) {
    const auto reference = QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    expectRoundTrip(reference.addMSecs(1500), "1.5");
    expectRoundTrip(reference.addMSecs(-1), "-0.001");
    expectRoundTrip(QDateTime(QDate(1970, 1, 1), QTime(0, 0), QTimeZone::utc()), "-978307200");
    expectRoundTrip(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59, 999), QTimeZone::utc()),
                    "730943999.999");
    expectDecoded<QDateTime>({{"1e300", std::nullopt}, {R"("1.5")", std::nullopt}});

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

// Positional form reaches from 10^-4 up to 2^53 inclusive; beyond either end the
// exponent is signed and at least two digits long.
TEST(JsonWriter, WritesShortestNumbersEscapesLikeTheEncoderAndRefusesWhatJsonCannotHold) {
    JsonValue object = JsonValue::object();
    object["z"] = 1;
    object["a/b"] =
        JsonValue::array({true, false, nullptr, "x", JsonValue::array(), JsonValue::object()});
    const std::pair<JsonValue, std::string> table[] = {
        {JsonValue(0), "0"},
        {JsonValue(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808"},
        {JsonValue(std::numeric_limits<std::int64_t>::max()), "9223372036854775807"},
        {JsonValue(std::numeric_limits<std::uint64_t>::max()), "18446744073709551615"},
        {JsonValue(1.0), "1"},
        {JsonValue(-0.0), "-0"},
        {JsonValue(0.1), "0.1"},
        {JsonValue(0.1 + 0.2), "0.30000000000000004"},
        {JsonValue(0x1p51 + 0.5), "2251799813685248.5"},
        {JsonValue(0x1p53), "9007199254740992"},
        {JsonValue(0x1p53 + 2), "9.007199254740994e+15"},
        {JsonValue(DBL_MAX), "1.7976931348623157e+308"},
        {JsonValue(-0.0001), "-0.0001"},
        {JsonValue(std::nextafter(0.0001, 0.0)), "9.999999999999999e-05"},
        {JsonValue(1.5e-7), "1.5e-07"},
        {JsonValue(5e-324), "5e-324"},
        {JsonValue(R"(" \ /)"), R"("\" \\ \/")"},
        {JsonValue("\b\t\n\f\r"), R"("\b\t\n\f\r")"},
        {JsonValue(std::string("\x00\x01\x1f", 3)), R"("\u0000\u0001\u001f")"},
        {JsonValue("\x7f"), "\"\x7f\""},
        {JsonValue("\u2028 \u2014 \u00e9 \U0001F600"), "\"\u2028 \u2014 \u00e9 \U0001F600\""},
        {object, R"({"z":1,"a\/b":[true,false,null,"x",[],{}]})"},
    };
    for (const auto& [value, text] : table) {
        EXPECT_EQ(writeJson(value), text);
        EXPECT_EQ(rewritten(text), text);
    }

    const std::pair<JsonValue, std::string> refused[] = {
        {JsonValue(std::nan("")), "Unable to encode Double.nan directly in JSON."},
        {JsonValue(HUGE_VAL), "Unable to encode Double.infinity directly in JSON."},
        {JsonValue::array({1, -HUGE_VAL}), "Unable to encode -Double.infinity directly in JSON."},
        {JsonValue("\xC0\xAF"), "Unable to encode a string that is not valid UTF-8 in JSON."},
        {JsonValue::binary({1, 2}), "Unable to encode a binary or discarded value in JSON."},
    };
    for (const auto& [value, error] : refused) {
        std::string reason;
        EXPECT_EQ(writeJson(value, &reason), std::nullopt) << error;
        EXPECT_EQ(reason, error);
    }
}

TEST(JsonReader, AcceptsAndRefusesWhatTheDecoderDoesKeepsIntegersExactAndLimitsNesting) {
    const std::pair<std::string_view, std::string_view> table[] = {
        {R"({"b":1,"a":[true,false,null]})", R"({"b":1,"a":[true,false,null]})"},
        {R"({"a":1,"b":2,"a":3})", R"({"a":1,"b":2})"},
        {"\xEF\xBB\xBF[1]", "[1]"},
        {"[1,2,]", "[1,2]"},
        {R"({"a":1 , })", R"({"a":1})"},
        {" \t\n\r[ [ ] , { } , ] \r\n", "[[],{}]"},
        {R"("\u00e9\ud83d\ude00\u0041")", "\"\u00e9\U0001F600A\""},
        {R"("\"\\\/\b\f\n\r\t\u0000")", R"("\"\\\/\b\f\n\r\t\u0000")"},
        {"-12.5e3", "-12500"},
        {"1E2", "100"},
        {"-0.0", "-0"},
        {"1e-400", "0"},
        {"-1e-400", "-0"},
        // integers stay exact as far as 64 bits reach, signed or not
        {"18446744073709551616", "1.8446744073709552e+19"},
        {"-9223372036854775809", "-9.223372036854776e+18"},
    };
    for (const auto& [text, readAs] : table)
        EXPECT_EQ(rewritten(text), readAs) << text;

    const std::string_view refused[] = {
        // not a single complete value
        "", " ", "[", "[1]x", "[1] 2", "{}{}", "truex", "nul", "'a'", "\"abc",
        // malformed containers
        "[1,,]", "[,]", "{,}", "[1 2]", R"({"a"})", R"({"a":})", "{a:1}", R"({"a":1 "b":2})",
        // numbers outside the grammar or the range of a double
        "01", "-01", "00", "+1", "1.", ".5", "1e", "1e+", "-", "NaN", "Infinity", "-Infinity",
        "1e400", "-1e400",
        // bad escapes and surrogates
        R"("\a")", R"("\x41")", R"("\'")", R"("\u12")", R"("\u12G4")", R"("\ud800")", R"("\udc00")",
        R"("\ud800\u0041")", R"("\ud800x")",
        // raw control characters and text that is not UTF-8
        "\"a\tb\"", "\"\n\"", "\"\x01\"", "\"\xC0\xAF\"", "\"\xED\xA0\x80\"",
        // a byte-order mark anywhere but at the start
        " \uFEFF1"};
    for (const auto text : refused)
        EXPECT_EQ(readJson(text), std::nullopt) << text;
    EXPECT_NE(readJson(nested(512)), std::nullopt);
    EXPECT_EQ(readJson(nested(513)), std::nullopt);
    EXPECT_EQ(readJson(nested(100000)), std::nullopt);

    // Past the size where members are indexed, the first of each name still wins.
    std::string first, second;
    for (int i = 0; i < 40; ++i) {
        first += ",\"m" + std::to_string(i) + "\":0";
        second += ",\"m" + std::to_string(i) + "\":1";
    }
    EXPECT_EQ(rewritten("{" + first.substr(1) + second + "}"), "{" + first.substr(1) + "}");
}

} // namespace
