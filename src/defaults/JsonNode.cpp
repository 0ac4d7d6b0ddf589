// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/Json.h"

#include <cmath>
#include <iterator>
#include <utility>

namespace Defaults {

void setNull(JsonNode& node) {
    asJsonValue(node) = nullptr;
}

void setBoolean(JsonNode& node, bool value) {
    asJsonValue(node) = value;
}

void setInteger(JsonNode& node, std::int64_t value) {
    asJsonValue(node) = value;
}

void setUnsigned(JsonNode& node, std::uint64_t value) {
    asJsonValue(node) = value;
}

void setNumber(JsonNode& node, double value) {
    asJsonValue(node) = value;
}

void setString(JsonNode& node, std::string value) {
    asJsonValue(node) = std::move(value);
}

void setArray(JsonNode& node) {
    asJsonValue(node) = JsonValue::array();
}

JsonNode& appendElement(JsonNode& array) {
    return asJsonNode(asJsonValue(array).emplace_back(nullptr));
}

void setObject(JsonNode& node) {
    asJsonValue(node) = JsonValue::object();
}

JsonNode& appendMember(JsonNode& object, std::string name) {
    auto& members = asJsonValue(object).get_ref<JsonValue::object_t&>();
    return asJsonNode(members.emplace_back(std::move(name), nullptr).second);
}

bool isNull(const JsonNode& node) {
    return asJsonValue(node).is_null();
}

bool isArray(const JsonNode& node) {
    return asJsonValue(node).is_array();
}

bool isObject(const JsonNode& node) {
    return asJsonValue(node).is_object();
}

std::optional<bool> booleanIn(const JsonNode& node) {
    const JsonValue& value = asJsonValue(node);
    return value.is_boolean() ? std::optional<bool>(value.get<bool>()) : std::nullopt;
}

std::optional<double> numberIn(const JsonNode& node) {
    const JsonValue& value = asJsonValue(node);
    return value.is_number() ? std::optional<double>(value.get<double>()) : std::nullopt;
}

const std::string* stringIn(const JsonNode& node) {
    const JsonValue& value = asJsonValue(node);
    return value.is_string() ? &value.get_ref<const std::string&>() : nullptr;
}

std::size_t countOf(const JsonNode& node) {
    return asJsonValue(node).size();
}

const JsonNode& elementAt(const JsonNode& array, std::size_t index) {
    return asJsonNode(asJsonValue(array)[index]);
}

namespace {

// The members of an object in order; its own operator[] looks names up.
const auto& memberAt(const JsonNode& object, std::size_t index) {
    const auto& members = asJsonValue(object).get_ref<const JsonValue::object_t&>();
    return *std::next(members.begin(), static_cast<std::ptrdiff_t>(index));
}

} // namespace

const std::string& nameAt(const JsonNode& object, std::size_t index) {
    return memberAt(object, index).first;
}

const JsonNode& valueAt(const JsonNode& object, std::size_t index) {
    return asJsonNode(memberAt(object, index).second);
}

const JsonNode* memberNamed(const JsonNode& object, std::string_view name) {
    for (const auto& [memberName, member] :
         asJsonValue(object).get_ref<const JsonValue::object_t&>()) {
        if (memberName == name)
            return &asJsonNode(member);
    }
    return nullptr;
}

std::optional<std::int64_t> exactInt64(const JsonNode& node) {
    constexpr double limit = 0x1p63;
    const JsonValue& json = asJsonValue(node);
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

std::optional<std::uint64_t> exactUInt64(const JsonNode& node) {
    constexpr double limit = 0x1p64;
    const JsonValue& json = asJsonValue(node);
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

} // namespace Defaults
