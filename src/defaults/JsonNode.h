// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Defaults::Json {

// One value of a JSON document, as the codings see it: only ever handled by
// reference, through the functions below. They are defined beside the reader
// and the writer, so the JSON library behind them is a detail of this layer
// that no includer of the codings compiles.
class Node;

// Building. Each setter replaces what the node held; appendElement and
// appendMember add a null value at the end of an array or object and return
// it to be filled in.
void setNull(Node& node);
void setBoolean(Node& node, bool value);
void setInteger(Node& node, std::int64_t value);
void setUnsigned(Node& node, std::uint64_t value);
void setNumber(Node& node, double value);
void setString(Node& node, std::string value);
void setArray(Node& node);
Node& appendElement(Node& array);
void setObject(Node& node);
Node& appendMember(Node& object, std::string name);

// Reading. Array elements and object members keep their order.
bool isNull(const Node& node);
bool isArray(const Node& node);
bool isObject(const Node& node);
std::optional<bool> booleanIn(const Node& node);
// Any number, as the nearest double.
std::optional<double> numberIn(const Node& node);
const std::string* stringIn(const Node& node);
// The number of elements of an array or members of an object.
std::size_t countOf(const Node& node);
const Node& elementAt(const Node& array, std::size_t index);
const std::string& nameAt(const Node& object, std::size_t index);
const Node& valueAt(const Node& object, std::size_t index);
// The first member called `name`, or none.
const Node* memberNamed(const Node& object, std::string_view name);
// A number as an exact integer of the given range: integers as they are,
// other numbers only when they have no fraction (5.0 and 1e2 do, 5.5 not).
std::optional<std::int64_t> exactInt64(const Node& node);
std::optional<std::uint64_t> exactUInt64(const Node& node);

} // namespace Defaults::Json
