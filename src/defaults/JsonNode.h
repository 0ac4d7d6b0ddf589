// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Defaults {

// One value of a JSON document, as the codings see it: only ever handled by
// reference, through the functions below. They are defined beside the reader
// and the writer, so the JSON library behind them is a detail of this layer
// that no includer of the codings compiles.
class JsonNode;

// Building. Each setter replaces what the node held; appendElement and
// appendMember add a null value at the end of an array or object and return
// it to be filled in.
void setNull(JsonNode& node);
void setBoolean(JsonNode& node, bool value);
void setInteger(JsonNode& node, std::int64_t value);
void setUnsigned(JsonNode& node, std::uint64_t value);
void setNumber(JsonNode& node, double value);
void setString(JsonNode& node, std::string value);
void setArray(JsonNode& node);
JsonNode& appendElement(JsonNode& array);
void setObject(JsonNode& node);
JsonNode& appendMember(JsonNode& object, std::string name);

// Reading. Array elements and object members keep their order.
bool isNull(const JsonNode& node);
bool isArray(const JsonNode& node);
bool isObject(const JsonNode& node);
std::optional<bool> booleanIn(const JsonNode& node);
// Any number, as the nearest double.
std::optional<double> numberIn(const JsonNode& node);
const std::string* stringIn(const JsonNode& node);
// The number of elements of an array or members of an object.
std::size_t countOf(const JsonNode& node);
const JsonNode& elementAt(const JsonNode& array, std::size_t index);
const std::string& nameAt(const JsonNode& object, std::size_t index);
const JsonNode& valueAt(const JsonNode& object, std::size_t index);
// The first member called `name`, or none.
const JsonNode* memberNamed(const JsonNode& object, std::string_view name);
// A number as an exact integer of the given range: integers as they are,
// other numbers only when they have no fraction (5.0 and 1e2 do, 5.5 not).
std::optional<std::int64_t> exactInt64(const JsonNode& node);
std::optional<std::uint64_t> exactUInt64(const JsonNode& node);

} // namespace Defaults
