// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/Json.h"

#include <QByteArrayView>

#include <charconv>
#include <cmath>

namespace Defaults {
namespace {

// A double is written in the shortest digits that read back to the same
// value (as std::to_chars gives them), without a trailing ".0". It is written
// in exponential form when its first significant digit lies below 10^-4, or
// when its magnitude is strictly above 2^53, beyond which not every integer is
// exact: 0.0001 and 9007199254740992 stay positional, 9.9999999999999991e-05
// and 9007199254740994 do not. The exponent has a sign and at least two
// digits ("1e+16", "1.5e-07"), as std::to_chars writes it.
constexpr int smallestPositionalExponent = -4;
constexpr double largestPositionalMagnitude = 0x1p53;

std::string_view nonFiniteName(double value) {
    if (std::isnan(value))
        return "Double.nan";
    return value > 0 ? "Double.infinity" : "-Double.infinity";
}

// Rewrites shortest scientific digits "d.ddde±x" positionally: 1.5e+02 becomes
// 150, 1.25e+00 1.25, 1.5e-03 0.0015.
void appendPositional(std::string& out, bool negative, std::string_view digits, int exponent) {
    if (negative)
        out += '-';
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        out += digits;
        out.append(integerDigits - digits.size(), '0');
        return;
    }
    out += digits.substr(0, integerDigits);
    out += '.';
    out += digits.substr(integerDigits);
}

void appendDouble(std::string& out, double value) {
    char buffer[32];
    const auto end =
        std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::scientific)
            .ptr;
    const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
    const auto exponentMark = scientific.find('e');
    const auto exponentText = scientific.substr(exponentMark + 1);
    int exponent = 0;
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);

    if (exponent < smallestPositionalExponent || std::fabs(value) > largestPositionalMagnitude) {
        out += scientific;
        return;
    }
    std::string digits;
    for (const char c : scientific.substr(0, exponentMark)) {
        if (c >= '0' && c <= '9')
            digits += c;
    }
    appendPositional(out, std::signbit(value), digits, exponent);
}

template <class Integer> void appendInteger(std::string& out, Integer value) {
    char buffer[24];
    const auto end = std::to_chars(std::begin(buffer), std::end(buffer), value).ptr;
    out.append(buffer, end);
}

// The escape for a byte that cannot appear raw in a JSON string, or an empty
// view for a byte that is written as it is. '/' is escaped too: the stored
// form that other versions of the preferences write and compare has it so.
std::string_view escapeFor(unsigned char byte, char (&scratch)[7]) {
    switch (byte) {
    case '"':
        return "\\\"";
    case '\\':
        return "\\\\";
    case '/':
        return "\\/";
    case '\b':
        return "\\b";
    case '\t':
        return "\\t";
    case '\n':
        return "\\n";
    case '\f':
        return "\\f";
    case '\r':
        return "\\r";
    default:
        break;
    }
    if (byte >= 0x20)
        return {};
    static constexpr char hex[] = "0123456789abcdef";
    scratch[0] = '\\';
    scratch[1] = 'u';
    scratch[2] = '0';
    scratch[3] = '0';
    scratch[4] = hex[byte >> 4];
    scratch[5] = hex[byte & 0xF];
    return {scratch, 6};
}

void appendString(std::string& out, std::string_view text) {
    out += '"';
    char scratch[7];
    std::size_t rawStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto escape = escapeFor(static_cast<unsigned char>(text[i]), scratch);
        if (escape.empty())
            continue;
        out.append(text, rawStart, i - rawStart);
        out += escape;
        rawStart = i + 1;
    }
    out.append(text, rawStart);
    out += '"';
}

class Writer {
public:
    explicit Writer(std::string* error)
        : m_error(error) {}

    bool append(const JsonValue& value);
    std::string takeText() { return std::move(m_out); }

private:
    bool fail(std::string message);
    bool appendNumber(double value);
    bool appendText(const std::string& text);
    bool appendArray(const JsonValue& array);
    bool appendObject(const JsonValue& object);

    std::string m_out;
    std::string* m_error;
};

bool Writer::fail(std::string message) {
    if (m_error)
        *m_error = std::move(message);
    return false;
}

bool Writer::append(const JsonValue& value) {
    switch (value.type()) {
    case JsonValue::value_t::null:
        m_out += "null";
        return true;
    case JsonValue::value_t::boolean:
        m_out += value.get<bool>() ? "true" : "false";
        return true;
    case JsonValue::value_t::number_integer:
        appendInteger(m_out, value.get<JsonValue::number_integer_t>());
        return true;
    case JsonValue::value_t::number_unsigned:
        appendInteger(m_out, value.get<JsonValue::number_unsigned_t>());
        return true;
    case JsonValue::value_t::number_float:
        return appendNumber(value.get<double>());
    case JsonValue::value_t::string:
        return appendText(value.get_ref<const std::string&>());
    case JsonValue::value_t::array:
        return appendArray(value);
    case JsonValue::value_t::object:
        return appendObject(value);
    case JsonValue::value_t::binary:
    case JsonValue::value_t::discarded:
        break;
    }
    return fail("Unable to encode a binary or discarded value in JSON.");
}

bool Writer::appendNumber(double value) {
    if (!std::isfinite(value))
        return fail("Unable to encode " + std::string(nonFiniteName(value)) + " directly in JSON.");
    appendDouble(m_out, value);
    return true;
}

bool Writer::appendText(const std::string& text) {
    if (!QByteArrayView(text.data(), static_cast<qsizetype>(text.size())).isValidUtf8())
        return fail("Unable to encode a string that is not valid UTF-8 in JSON.");
    appendString(m_out, text);
    return true;
}

bool Writer::appendArray(const JsonValue& array) {
    m_out += '[';
    bool first = true;
    for (const auto& element : array) {
        if (!first)
            m_out += ',';
        first = false;
        if (!append(element))
            return false;
    }
    m_out += ']';
    return true;
}

bool Writer::appendObject(const JsonValue& object) {
    m_out += '{';
    bool first = true;
    for (const auto& [name, member] : object.get_ref<const JsonValue::object_t&>()) {
        if (!first)
            m_out += ',';
        first = false;
        if (!appendText(name))
            return false;
        m_out += ':';
        if (!append(member))
            return false;
    }
    m_out += '}';
    return true;
}

} // namespace

std::optional<std::string> writeJson(const JsonValue& value, std::string* error) {
    Writer writer(error);
    if (!writer.append(value))
        return std::nullopt;
    return writer.takeText();
}

} // namespace Defaults
