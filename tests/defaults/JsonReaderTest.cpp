// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/Json.h"

#include <gtest/gtest.h>

#include <string>

using Defaults::Json::read;
using Defaults::Json::Value;
using Defaults::Json::write;

namespace {

// What `text` reads as, written back out; "none" when it does not read.
std::string rewritten(std::string_view text) {
    const auto value = read(text);
    return value ? write(*value).value_or("unwritable") : "none";
}

std::string nested(int depth) {
    return std::string(static_cast<std::size_t>(depth), '[') +
           std::string(static_cast<std::size_t>(depth), ']');
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
        {"\"\x7f \u2028\"", "\"\x7f \u2028\""},
        {"-12.5e3", "-12500"},
        {"1E2", "100"},
        {"0.5", "0.5"},
        {"-0.0", "-0"},
        {"1e-400", "0"},
        {"-1e-400", "-0"},
        // integers stay exact as far as 64 bits reach, signed or not
        {"0", "0"},
        {"-0", "-0"},
        {"5.0", "5"},
        {"-9223372036854775808", "-9223372036854775808"},
        {"18446744073709551615", "18446744073709551615"},
        {"18446744073709551616", "1.8446744073709552e+19"},
        {"-9223372036854775809", "-9.223372036854776e+18"},
    };
    for (const auto& [text, readAs] : table)
        EXPECT_EQ(rewritten(text), readAs) << text;
}

TEST(JsonReader, RefusesWhatTheDecoderRefuses) {
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
        "1",
        "[\xEF\xBB\xBF"
        "1]"};
    for (const auto text : table)
        EXPECT_EQ(read(text), std::nullopt) << text;
}

TEST(JsonReader, LimitsNestingDepth) {
    EXPECT_NE(read(nested(512)), std::nullopt);
    EXPECT_EQ(read(nested(513)), std::nullopt);
    EXPECT_EQ(read(nested(100000)), std::nullopt);
}

// Past the size where members are indexed, the first of each name still wins.
TEST(JsonReader, KeepsFirstOfDuplicateMembersInLargeObjects) {
    std::string text = "{";
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < 40; ++i)
            text += "\"m" + std::to_string(i) + "\":" + std::to_string(pass) + ",";
    }
    text += "}";
    const auto object = read(text);
    ASSERT_NE(object, std::nullopt);
    EXPECT_EQ(object->size(), 40u);
    EXPECT_EQ(object->at("m0"), 0);
    EXPECT_EQ(object->at("m39"), 0);
}

} // namespace
