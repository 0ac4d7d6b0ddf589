// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/JsonCoding.h"

#include "defaults/DefaultsLog.h"
#include "defaults/Json.h"
#include "defaults/ValueBridges.h"

#include <QTimeZone>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace Defaults {
namespace {

// Dates count seconds from 2001-01-01T00:00:00Z.
constexpr qint64 referenceDateMSecsSinceEpoch = 978'307'200'000;
// Beyond this many seconds a date no longer fits QDateTime's milliseconds.
constexpr double largestDateSeconds = 9e15;
// Halfway between the largest float and 2^128: larger numbers round to
// infinity when read as a float, smaller ones to a finite float.
constexpr double floatOverflowThreshold = 0x1.ffffffp127;

bool fail(std::string* error, std::string message) {
    if (error)
        *error = std::move(message);
    return false;
}

// The reason a number has no JSON form, named by its kind.
std::string nonFiniteMessage(std::string_view kind, double value) {
    std::string name = std::isnan(value) ? ".nan" : ".infinity";
    std::string sign = !std::isnan(value) && value < 0 ? "-" : "";
    return "Unable to encode " + sign + std::string(kind) + name + " directly in JSON.";
}

} // namespace

bool JsonCoding<QString>::encode(const QString& value, JsonNode& json, std::string*) {
    setString(json, value.toStdString());
    return true;
}

std::optional<QString> JsonCoding<QString>::decode(const JsonNode& json) {
    if (const auto* text = stringIn(json))
        return QString::fromStdString(*text);
    return std::nullopt;
}

bool JsonCoding<bool>::encode(const bool& value, JsonNode& json, std::string*) {
    setBoolean(json, value);
    return true;
}

std::optional<bool> JsonCoding<bool>::decode(const JsonNode& json) {
    return booleanIn(json);
}

bool JsonCoding<double>::encode(const double& value, JsonNode& json, std::string* error) {
    if (!std::isfinite(value))
        return fail(error, nonFiniteMessage("Double", value));
    setNumber(json, value);
    return true;
}

std::optional<double> JsonCoding<double>::decode(const JsonNode& json) {
    return numberIn(json);
}

// A float is written with its own shortest digits (0.1f as 0.1, not as the
// double 0.10000000149011612): the double nearest to those digits is stored,
// and it prints with the same digits.
bool JsonCoding<float>::encode(const float& value, JsonNode& json, std::string* error) {
    if (!std::isfinite(value))
        return fail(error, nonFiniteMessage("Float", value));
    char buffer[32];
    const auto end = std::to_chars(std::begin(buffer), std::end(buffer), value).ptr;
    double widened = 0;
    std::from_chars(buffer, end, widened);
    setNumber(json, widened);
    return true;
}

std::optional<float> JsonCoding<float>::decode(const JsonNode& json) {
    const auto value = JsonCoding<double>::decode(json);
    if (!value || !(std::fabs(*value) < floatOverflowThreshold))
        return std::nullopt;
    return static_cast<float>(
        std::clamp(*value, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

bool JsonCoding<QDateTime>::encode(const QDateTime& value, JsonNode& json, std::string* error) {
    if (!value.isValid())
        return fail(error, "Unable to encode an invalid date in JSON.");
    setNumber(json, static_cast<double>(value.toMSecsSinceEpoch() - referenceDateMSecsSinceEpoch) /
                        1000.0);
    return true;
}

std::optional<QDateTime> JsonCoding<QDateTime>::decode(const JsonNode& json) {
    const auto seconds = JsonCoding<double>::decode(json);
    if (!seconds || !(std::fabs(*seconds) < largestDateSeconds))
        return std::nullopt;
    const qint64 msecs = std::llround(*seconds * 1000.0) + referenceDateMSecsSinceEpoch;
    auto date = QDateTime::fromMSecsSinceEpoch(msecs, QTimeZone::utc());
    return date.isValid() ? std::optional<QDateTime>(date) : std::nullopt;
}

bool JsonCoding<QByteArray>::encode(const QByteArray& value, JsonNode& json, std::string*) {
    setString(json, value.toBase64().toStdString());
    return true;
}

// Only padded Base64 without spaces reads; Qt alone would also take text
// without its padding.
std::optional<QByteArray> JsonCoding<QByteArray>::decode(const JsonNode& json) {
    const auto* text = stringIn(json);
    if (!text || text->size() % 4 != 0)
        return std::nullopt;
    auto result = QByteArray::fromBase64Encoding(QByteArray::fromStdString(*text),
                                                 QByteArray::AbortOnBase64DecodingErrors);
    if (!result)
        return std::nullopt;
    return std::move(result.decoded);
}

bool JsonCoding<QUuid>::encode(const QUuid& value, JsonNode& json, std::string*) {
    setString(json, value.toByteArray(QUuid::WithoutBraces).toUpper().toStdString());
    return true;
}

std::optional<QUuid> JsonCoding<QUuid>::decode(const JsonNode& json) {
    const auto* text = stringIn(json);
    return text ? UUIDBridge::deserialize(QVariant(QString::fromStdString(*text))) : std::nullopt;
}

bool JsonCoding<QUrl>::encode(const QUrl& value, JsonNode& json, std::string* error) {
    if (value.isEmpty() || !value.isValid())
        return fail(error, "Unable to encode an invalid URL in JSON.");
    setString(json, value.toEncoded(QUrl::FullyEncoded).toStdString());
    return true;
}

std::optional<QUrl> JsonCoding<QUrl>::decode(const JsonNode& json) {
    const auto* text = stringIn(json);
    if (!text)
        return std::nullopt;
    QUrl url(QString::fromStdString(*text), QUrl::StrictMode);
    if (url.isEmpty() || !url.isValid())
        return std::nullopt;
    return url;
}

namespace detail {

std::optional<std::string> encodedText(const Encoder& encode) {
    JsonValue element;
    std::string error;
    std::optional<std::string> text;
    if (encode(asJsonNode(element), &error))
        text = writeJson(element, &error);
    if (!text)
        qCWarning(defaultsLog).noquote() << QString::fromStdString(error);
    return text;
}

bool decodeElements(std::string_view text, const Decoder& decode) {
    std::string wrapped;
    wrapped.reserve(text.size() + 2);
    wrapped += '[';
    wrapped += text;
    wrapped += ']';
    const auto array = readJson(wrapped);
    if (!array)
        return false;
    for (const JsonValue& element : *array) {
        if (!decode(asJsonNode(element)))
            return false;
    }
    return true;
}

bool decodeDocument(std::string_view text, const Decoder& decode) {
    const auto document = readJson(text);
    return document && decode(asJsonNode(*document));
}

} // namespace detail
} // namespace Defaults
