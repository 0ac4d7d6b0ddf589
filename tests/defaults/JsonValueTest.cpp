// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/Json.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

using Defaults::Json::read;
using Defaults::Json::Value;
using Defaults::Json::write;

namespace {

std::string rewritten(std::string_view text) {
    const auto value = read(text);
    return value ? write(*value).value_or("unwritable") : "none";
}

std::string nested(int depth) {
    return std::string(static_cast<std::size_t>(depth), '[') +
           std::string(static_cast<std::size_t>(depth), ']');
}

// Positional form reaches from 10^-4 up to 2^53 inclusive; beyond either end the
// exponent is signed and at least two digits long.
TEST(JsonWriter, WritesIntegersInFullDoublesInTheirShortestFormAndEscapesLikeTheEncoder) {
    Value object = Value::object();
    object["z"] = 1;
    object["a/b"] = Value::array({true, false, nullptr, "x", Value::array(), Value::object()});
    const struct {
        Value value;
        std::string text;
    } table[] = {
        {Value(0), "0"},
        {Value(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808"},
        {Value(std::numeric_limits<std::int64_t>::max()), "9223372036854775807"},
        {Value(std::numeric_limits<std::uint64_t>::max()), "18446744073709551615"},
        {Value(1.0), "1"},
        {Value(-0.0), "-0"},
        {Value(0.1), "0.1"},
        {Value(0.1 + 0.2), "0.30000000000000004"},
        {Value(0x1p51 + 0.5), "2251799813685248.5"},
        {Value(0x1p53), "9007199254740992"},
        {Value(0x1p53 + 2), "9.007199254740994e+15"},
        {Value(DBL_MAX), "1.7976931348623157e+308"},
        {Value(-0.0001), "-0.0001"},
        {Value(std::nextafter(0.0001, 0.0)), "9.999999999999999e-05"},
        {Value(1.5e-7), "1.5e-07"},
        {Value(5e-324), "5e-324"},
        {Value(R"(" \ /)"), R"("\" \\ \/")"},
        {Value("\b\t\n\f\r"), R"("\b\t\n\f\r")"},
        {Value(std::string("\x00\x01\x1f", 3)), R"("\u0000\u0001\u001f")"},
        {Value("\x7f"), "\"\x7f\""},
        {Value("\u2028 \u2014 \u00e9 \U0001F600"), "\"\u2028 \u2014 \u00e9 \U0001F600\""},
        {object, R"({"z":1,"a\/b":[true,false,null,"x",[],{}]})"},
    };
    for (const auto& [value, text] : table) {
        EXPECT_EQ(write(value), text);
        EXPECT_EQ(rewritten(text), text);
    }
}

TEST(JsonWriter, RefusesWhatJsonCannotHold) {
    const struct {
        Value value;
        std::string error;
    } table[] = {
        {Value(std::nan("")), "Unable to encode Double.nan directly in JSON."},
        {Value(HUGE_VAL), "Unable to encode Double.infinity directly in JSON."},
        {Value::array({1, -HUGE_VAL}), "Unable to encode -Double.infinity directly in JSON."},
        {Value("\xC0\xAF"), "Unable to encode a string that is not valid UTF-8 in JSON."},
        {Value::binary({1, 2}), "Unable to encode a binary or discarded value in JSON."},
    };
    for (const auto& [value, error] : table) {
        std::string reason;
        EXPECT_EQ(write(value, &reason), std::nullopt) << error;
        EXPECT_EQ(reason, error);
    }
}

TEST(JsonReader, AcceptsWhatTheDecoderAcceptsAndKeepsIntegersExact) {
    const struct {
        std::string_view text;
        std::string_view readAs;
    } table[] = {
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
}

TEST(JsonReader, RefusesWhatTheDecoderRefusesAndLimitsNesting) {
    const std::string_view table[] = {
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
        " \xEF\xBB\xBF"
        "1"};
    for (const auto text : table)
        EXPECT_EQ(read(text), std::nullopt) << text;
    EXPECT_NE(read(nested(512)), std::nullopt);
    EXPECT_EQ(read(nested(513)), std::nullopt);
    EXPECT_EQ(read(nested(100000)), std::nullopt);
}

// Past the size where members are indexed, the first of each name still wins.
TEST(JsonReader, KeepsFirstOfDuplicateMembersInLargeObjects) {
    std::string text = "{";
    for (int i = 0; i < 80; ++i)
        text += "\"m" + std::to_string(i % 40) + "\":" + std::to_string(i / 40) + ",";
    text += "}";
    const auto object = read(text);
    ASSERT_NE(object, std::nullopt);
    EXPECT_EQ(object->size(), 40u);
    EXPECT_EQ(object->at("m0"), 0);
    EXPECT_EQ(object->at("m39"), 0);
}

} // namespace
