// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/JsonCoding.h"

#include "defaults/DefaultsLog.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace Defaults::Json {
namespace {

// Dates count from 2001-01-01T00:00:00Z, the macOS reference date.
constexpr qint64 referenceDateMSecsSinceEpoch = 978'307'200'000;
// Beyond this many seconds a date no longer fits QDateTime's milliseconds.
constexpr double largestDateSeconds = 9e15;
// Halfway between the largest float and 2^128: larger numbers round to
// infinity when read as a float, smaller ones to a finite float.
constexpr double floatOverflowThreshold = 0x1.ffffffp127;

std::nullopt_t fail(std::string* error, std::string message) {
    if (error)
        *error = std::move(message);
    return std::nullopt;
}

// The message the macOS encoder gives for a number JSON cannot hold.
std::string nonFiniteMessage(std::string_view kind, double value) {
    std::string name = std::isnan(value) ? ".nan" : ".infinity";
    std::string sign = !std::isnan(value) && value < 0 ? "-" : "";
    return "Unable to encode " + sign + std::string(kind) + name + " directly in JSON.";
}

bool isHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The canonical 8-4-4-4-12 form, in either case; QUuid alone would also
// accept braces.
bool isCanonicalUuid(std::string_view text) {
    if (text.size() != 36)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool hyphenPlace = i == 8 || i == 13 || i == 18 || i == 23;
        if (hyphenPlace ? text[i] != '-' : !isHex(text[i]))
            return false;
    }
    return true;
}

const std::string* stringIn(const Value& json) {
    return json.is_string() ? &json.get_ref<const std::string&>() : nullptr;
}

} // namespace

std::optional<Value> Coding<QString>::encode(const QString& value, std::string*) {
    return Value(value.toStdString());
}

std::optional<QString> Coding<QString>::decode(const Value& json) {
    if (const auto* text = stringIn(json))
        return QString::fromStdString(*text);
    return std::nullopt;
}

std::optional<Value> Coding<bool>::encode(const bool& value, std::string*) {
    return Value(value);
}

std::optional<bool> Coding<bool>::decode(const Value& json) {
    if (!json.is_boolean())
        return std::nullopt;
    return json.get<bool>();
}

std::optional<Value> Coding<double>::encode(const double& value, std::string* error) {
    if (!std::isfinite(value))
        return fail(error, nonFiniteMessage("Double", value));
    return Value(value);
}

std::optional<double> Coding<double>::decode(const Value& json) {
    if (!json.is_number())
        return std::nullopt;
    return json.get<double>();
}

// A float is written with its own shortest digits (0.1f as 0.1, not as the
// double 0.10000000149011612): the double nearest to those digits is stored,
// and it prints with the same digits.
std::optional<Value> Coding<float>::encode(const float& value, std::string* error) {
    if (!std::isfinite(value))
        return fail(error, nonFiniteMessage("Float", value));
    char buffer[32];
    const auto end = std::to_chars(std::begin(buffer), std::end(buffer), value).ptr;
    double widened = 0;
    std::from_chars(buffer, end, widened);
    return Value(widened);
}

std::optional<float> Coding<float>::decode(const Value& json) {
    const auto value = Coding<double>::decode(json);
    if (!value || !(std::fabs(*value) < floatOverflowThreshold))
        return std::nullopt;
    return static_cast<float>(
        std::clamp(*value, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

std::optional<Value> Coding<QDateTime>::encode(const QDateTime& value, std::string* error) {
    if (!value.isValid())
        return fail(error, "Unable to encode an invalid date in JSON.");
    return Value(static_cast<double>(value.toMSecsSinceEpoch() - referenceDateMSecsSinceEpoch) /
                 1000.0);
}

std::optional<QDateTime> Coding<QDateTime>::decode(const Value& json) {
    const auto seconds = Coding<double>::decode(json);
    if (!seconds || !(std::fabs(*seconds) < largestDateSeconds))
        return std::nullopt;
    const qint64 msecs = std::llround(*seconds * 1000.0) + referenceDateMSecsSinceEpoch;
    auto date = QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
    return date.isValid() ? std::optional<QDateTime>(date) : std::nullopt;
}

std::optional<Value> Coding<QByteArray>::encode(const QByteArray& value, std::string*) {
    return Value(value.toBase64().toStdString());
}

// Only padded Base64 without spaces reads, as on macOS; Qt alone would also
// take text without its padding.
std::optional<QByteArray> Coding<QByteArray>::decode(const Value& json) {
    const auto* text = stringIn(json);
    if (!text || text->size() % 4 != 0)
        return std::nullopt;
    auto result = QByteArray::fromBase64Encoding(QByteArray::fromStdString(*text),
                                                 QByteArray::AbortOnBase64DecodingErrors);
    if (!result)
        return std::nullopt;
    return std::move(result.decoded);
}

std::optional<Value> Coding<QUuid>::encode(const QUuid& value, std::string*) {
    return Value(value.toByteArray(QUuid::WithoutBraces).toUpper().toStdString());
}

std::optional<QUuid> Coding<QUuid>::decode(const Value& json) {
    const auto* text = stringIn(json);
    if (!text || !isCanonicalUuid(*text))
        return std::nullopt;
    return QUuid::fromString(QLatin1StringView(text->data(), static_cast<qsizetype>(text->size())));
}

std::optional<Value> Coding<QUrl>::encode(const QUrl& value, std::string* error) {
    if (value.isEmpty() || !value.isValid())
        return fail(error, "Unable to encode an invalid URL in JSON.");
    return Value(value.toEncoded(QUrl::FullyEncoded).toStdString());
}

std::optional<QUrl> Coding<QUrl>::decode(const Value& json) {
    const auto* text = stringIn(json);
    if (!text)
        return std::nullopt;
    QUrl url(QString::fromStdString(*text), QUrl::StrictMode);
    if (url.isEmpty() || !url.isValid())
        return std::nullopt;
    return url;
}

namespace detail {

std::optional<std::int64_t> exactInt64(const Value& json) {
    constexpr double limit = 0x1p63;
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

std::optional<std::uint64_t> exactUInt64(const Value& json) {
    constexpr double limit = 0x1p64;
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

std::optional<std::string> fragmentText(const std::optional<Value>& element, std::string error) {
    std::optional<std::string> text;
    if (element)
        text = write(*element, &error);
    if (!text)
        qCWarning(defaultsLog).noquote() << QString::fromStdString(error);
    return text;
}

std::optional<Value> fragmentArray(std::string_view text) {
    std::string wrapped;
    wrapped.reserve(text.size() + 2);
    wrapped += '[';
    wrapped += text;
    wrapped += ']';
    return read(wrapped);
}

} // namespace detail
} // namespace Defaults::Json
