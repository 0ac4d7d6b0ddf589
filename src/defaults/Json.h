// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

// JSON text exactly as the macOS encoder writes it in its default
// configuration, and read as leniently as its decoder reads it, so that stored
// preferences move between the two platforms unchanged.
namespace Defaults::Json {

// A JSON value whose object members keep the order they were added in, which
// is the declaration order of the fields they come from.
using Value = nlohmann::ordered_json;

// The compact JSON text of `value`, or none when the value has no JSON form (a
// non-finite number, a binary value, a string that is not UTF-8); `error` then
// says why.
std::optional<std::string> write(const Value& value, std::string* error = nullptr);

// Reads one JSON document. Besides strict JSON it accepts a leading UTF-8
// byte-order mark and trailing commas in arrays and objects; of duplicate
// object members the first is kept. Integers that fit an int64 become
// number_integer, larger non-negative ones that fit a uint64 number_unsigned,
// every other number (and -0) number_float. Returns none for anything else.
std::optional<Value> read(std::string_view text);

} // namespace Defaults::Json
