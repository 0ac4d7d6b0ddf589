// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/Json.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

using Defaults::Json::read;
using Defaults::Json::Value;
using Defaults::Json::write;

namespace {

struct Written {
    Value value;
    std::string text;
};

// Each value is written as exactly its text, which reads back as the same value.
void expectWritten(const std::vector<Written>& table) {
    for (const auto& [value, text] : table) {
        SCOPED_TRACE(text);
        EXPECT_EQ(write(value), text);
        const auto back = read(text);
        ASSERT_NE(back, std::nullopt);
        EXPECT_EQ(write(*back), text);
    }
}

// Positional form reaches from 10^-4 up to 2^53 inclusive; beyond either end the
// exponent is signed and at least two digits long. Every double is written in
// the fewest digits that read back as itself.
TEST(JsonWriter, WritesIntegersInFullAndDoublesInTheirShortestForm) {
    expectWritten({
        {Value(0), "0"},
        {Value(-1), "-1"},
        {Value(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808"},
        {Value(std::numeric_limits<std::int64_t>::max()), "9223372036854775807"},
        {Value(std::numeric_limits<std::uint64_t>::max()), "18446744073709551615"},
        {Value(1.0), "1"},
        {Value(-0.0), "-0"},
        {Value(0.1), "0.1"},
        {Value(-2.25), "-2.25"},
        {Value(0.1 + 0.2), "0.30000000000000004"},
        {Value(1.0 / 3.0), "0.3333333333333333"},
        {Value(0x1p51 + 0.5), "2251799813685248.5"},
        {Value(0x1p53), "9007199254740992"},
        {Value(-0x1p53), "-9007199254740992"},
        {Value(0x1p53 + 2), "9.007199254740994e+15"},
        {Value(1e16), "1e+16"},
        {Value(-1e100), "-1e+100"},
        {Value(DBL_MAX), "1.7976931348623157e+308"},
        {Value(0.0001), "0.0001"},
        {Value(-0.0001), "-0.0001"},
        {Value(std::nextafter(0.0001, 0.0)), "9.999999999999999e-05"},
        {Value(1e-5), "1e-05"},
        {Value(1.5e-7), "1.5e-07"},
        {Value(DBL_MIN), "2.2250738585072014e-308"},
        {Value(5e-324), "5e-324"},
    });
}

TEST(JsonWriter, EscapesOnlyWhatTheEncoderEscapesAndWritesContainersCompactly) {
    Value object = Value::object();
    object["z"] = 1;
    object["a/b"] = Value::array({true, false, nullptr, "x", Value::array(), Value::object()});
    expectWritten({
        {Value(R"(" \ /)"), R"("\" \\ \/")"},
        {Value("\b\t\n\f\r"), R"("\b\t\n\f\r")"},
        {Value(std::string("\x00\x01\x1f", 3)), R"("\u0000\u0001\u001f")"},
        {Value("\x7f"), "\"\x7f\""},
        {Value("\u2028 \u2014 \u00e9 \U0001F600"), "\"\u2028 \u2014 \u00e9 \U0001F600\""},
        {object, R"({"z":1,"a\/b":[true,false,null,"x",[],{}]})"},
    });
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

} // namespace
