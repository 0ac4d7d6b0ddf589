// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/Json.h"

#include <cmath>
#include <iterator>
#include <utility>

namespace Defaults::Json {

void setNull(Node& node) {
    valueOf(node) = nullptr;
}

void setBoolean(Node& node, bool value) {
    valueOf(node) = value;
}

void setInteger(Node& node, std::int64_t value) {
    valueOf(node) = value;
}

void setUnsigned(Node& node, std::uint64_t value) {
    valueOf(node) = value;
}

void setNumber(Node& node, double value) {
    valueOf(node) = value;
}

void setString(Node& node, std::string value) {
    valueOf(node) = std::move(value);
}

void setArray(Node& node) {
    valueOf(node) = Value::array();
}

Node& appendElement(Node& array) {
    return nodeOf(valueOf(array).emplace_back(nullptr));
}

void setObject(Node& node) {
    valueOf(node) = Value::object();
}

Node& appendMember(Node& object, std::string name) {
    auto& members = valueOf(object).get_ref<Value::object_t&>();
    return nodeOf(members.emplace_back(std::move(name), nullptr).second);
}

bool isNull(const Node& node) {
    return valueOf(node).is_null();
}

bool isArray(const Node& node) {
    return valueOf(node).is_array();
}

bool isObject(const Node& node) {
    return valueOf(node).is_object();
}

std::optional<bool> booleanIn(const Node& node) {
    const Value& value = valueOf(node);
    return value.is_boolean() ? std::optional<bool>(value.get<bool>()) : std::nullopt;
}

std::optional<double> numberIn(const Node& node) {
    const Value& value = valueOf(node);
    return value.is_number() ? std::optional<double>(value.get<double>()) : std::nullopt;
}

const std::string* stringIn(const Node& node) {
    const Value& value = valueOf(node);
    return value.is_string() ? &value.get_ref<const std::string&>() : nullptr;
}

std::size_t countOf(const Node& node) {
    return valueOf(node).size();
}

const Node& elementAt(const Node& array, std::size_t index) {
    return nodeOf(valueOf(array)[index]);
}

namespace {

// The members of an object in order; its own operator[] looks names up.
const auto& memberAt(const Node& object, std::size_t index) {
    const auto& members = valueOf(object).get_ref<const Value::object_t&>();
    return *std::next(members.begin(), static_cast<std::ptrdiff_t>(index));
}

} // namespace

const std::string& nameAt(const Node& object, std::size_t index) {
    return memberAt(object, index).first;
}

const Node& valueAt(const Node& object, std::size_t index) {
    return nodeOf(memberAt(object, index).second);
}

const Node* memberNamed(const Node& object, std::string_view name) {
    for (const auto& [memberName, member] : valueOf(object).get_ref<const Value::object_t&>()) {
        if (memberName == name)
            return &nodeOf(member);
    }
    return nullptr;
}

std::optional<std::int64_t> exactInt64(const Node& node) {
    constexpr double limit = 0x1p63;
    const Value& json = valueOf(node);
    if (json.is_number_integer() && !json.is_number_unsigned())
        return json.get<std::int64_t>();
    if (json.is_number_unsigned() && std::in_range<std::int64_t>(json.get<std::uint64_t>()))
        return static_cast<std::int64_t>(json.get<std::uint64_t>());
    if (!json.is_number_float())
        return std::nullopt;
    const double value = json.get<double>();
    if (std::trunc(value) != value || value < -limit || value >= limit)
        return std::nullopt;
    return static_cast<std::int64_t>(value);
}

std::optional<std::uint64_t> exactUInt64(const Node& node) {
    constexpr double limit = 0x1p64;
    const Value& json = valueOf(node);
    if (json.is_number_unsigned())
        return json.get<std::uint64_t>();
    if (json.is_number_integer() && std::in_range<std::uint64_t>(json.get<std::int64_t>()))
        return static_cast<std::uint64_t>(json.get<std::int64_t>());
    if (!json.is_number_float())
        return std::nullopt;
    const double value = json.get<double>();
    if (std::trunc(value) != value || value < 0 || value >= limit)
        return std::nullopt;
    return static_cast<std::uint64_t>(value);
}

} // namespace Defaults::Json
