// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

// The JSON layer's own view of a document. Only its sources and tests include
// this header: everyone else goes through JsonCoding.h and never compiles the
// JSON library behind it.

#include "defaults/JsonNode.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace Defaults {

// A JSON value whose object members keep the order they were added in, which
// is the declaration order of the fields they come from.
using JsonValue = nlohmann::ordered_json;

// The compact JSON text of `value`, or none when the value has no JSON form (a
// non-finite number, a binary value, a string that is not UTF-8); `error` then
// says why. The text is byte for byte the stored form other versions of the
// preferences read and write: no spaces; '/' escaped; \b \t \n \f \r and
// \u00xx for the other control characters; everything else as raw UTF-8;
// numbers in their shortest exact digits.
std::optional<std::string> writeJson(const JsonValue& value, std::string* error = nullptr);

// Reads one JSON document. Besides strict JSON it accepts a leading UTF-8
// byte-order mark and trailing commas in arrays and objects; of duplicate
// object members the first is kept. Integers that fit an int64 become
// number_integer, larger non-negative ones that fit a uint64 number_unsigned,
// every other number (and -0) number_float. Returns none for anything else.
std::optional<JsonValue> readJson(std::string_view text);

// A JsonNode is a JsonValue seen through the opaque handle of JsonNode.h: the handle
// type is never defined, so these casts are the only way between the two.
inline JsonValue& asJsonValue(JsonNode& node) {
    return reinterpret_cast<JsonValue&>(node);
}
inline const JsonValue& asJsonValue(const JsonNode& node) {
    return reinterpret_cast<const JsonValue&>(node);
}
inline JsonNode& asJsonNode(JsonValue& value) {
    return reinterpret_cast<JsonNode&>(value);
}
inline const JsonNode& asJsonNode(const JsonValue& value) {
    return reinterpret_cast<const JsonNode&>(value);
}

} // namespace Defaults
