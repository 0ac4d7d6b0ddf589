// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/Json.h"

#include <QByteArrayView>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <unordered_set>

namespace Defaults {
namespace {

// Deeper nesting is refused rather than followed, so hostile text cannot
// exhaust the stack; 512 levels are far beyond any stored preference.
constexpr int maximumDepth = 512;
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int> hexDigit(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    const auto byte = [&out](char32_t bits) { out += static_cast<char>(bits); };
    if (codePoint < 0x80) {
        byte(codePoint);
    } else if (codePoint < 0x800) {
        byte(0xC0 | (codePoint >> 6));
        byte(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        byte(0xE0 | (codePoint >> 12));
        byte(0x80 | ((codePoint >> 6) & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    } else {
        byte(0xF0 | (codePoint >> 18));
        byte(0x80 | ((codePoint >> 12) & 0x3F));
        byte(0x80 | ((codePoint >> 6) & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    }
}

// The parts of a number as its text spells them: "-12.5e3" is negative, with
// integer digits "12", fraction digits "5" and exponent 3 (saturated far beyond
// any double's range).
struct NumberParts {
    std::string_view text;
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool hasExponent = false;
    long exponent = 0;

    bool isInteger() const { return fractionDigits.empty() && !hasExponent; }

    // The power of ten of the first significant digit (0 for 5, -2 for 0.05);
    // none for zero.
    std::optional<long> leadingPower() const {
        if (integerDigits != "0")
            return static_cast<long>(integerDigits.size()) - 1 + exponent;
        const auto firstSignificant = fractionDigits.find_first_not_of('0');
        if (firstSignificant == std::string_view::npos)
            return std::nullopt;
        return -static_cast<long>(firstSignificant) - 1 + exponent;
    }
};

std::optional<JsonValue> integerValue(const NumberParts& number) {
    const char* first = number.text.data();
    const char* last = first + number.text.size();
    if (std::int64_t integer = 0; std::from_chars(first, last, integer).ec == std::errc())
        return JsonValue(integer);
    if (std::uint64_t natural = 0;
        !number.negative && std::from_chars(first, last, natural).ec == std::errc())
        return JsonValue(natural);
    return std::nullopt;
}

// A number that does not fit a double is refused; one too small for it reads
// as zero of its sign, as the platform's number parsing has it.
std::optional<JsonValue> floatValue(const NumberParts& number) {
    double value = 0;
    const auto result =
        std::from_chars(number.text.data(), number.text.data() + number.text.size(), value);
    if (result.ec == std::errc())
        return JsonValue(value);
    const auto power = number.leadingPower();
    if (result.ec == std::errc::result_out_of_range && power && *power < 0)
        return JsonValue(number.negative ? -0.0 : 0.0);
    return std::nullopt;
}

// Collects an object's members keeping the first of each name. Small objects,
// the usual case, are searched directly; a large one gets an index so hostile
// text cannot make reading quadratic.
class MemberList {
public:
    explicit MemberList(JsonValue::object_t& members)
        : m_members(members) {}

    void add(std::string name, JsonValue value) {
        if (isNew(name))
            m_members.emplace_back(std::move(name), std::move(value));
    }

private:
    static constexpr std::size_t directSearchLimit = 16;

    bool isNew(const std::string& name) {
        if (m_members.size() < directSearchLimit) {
            return std::none_of(m_members.begin(), m_members.end(),
                                [&name](const auto& member) { return member.first == name; });
        }
        if (m_index.empty()) {
            for (const auto& member : m_members)
                m_index.insert(member.first);
        }
        return m_index.insert(name).second;
    }

    JsonValue::object_t& m_members;
    std::unordered_set<std::string> m_index;
};

class Reader {
public:
    explicit Reader(std::string_view text)
        : m_text(text) {}

    std::optional<JsonValue> document();

private:
    bool atEnd() const { return m_position >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_position]; }
    bool consume(char expected);
    bool consumeWord(std::string_view word);
    void skipWhitespace();
    std::string_view digitsFrom(std::size_t start);

    std::optional<JsonValue> value(int depth);
    template <class Element> bool elementsUntil(char close, Element element);
    std::optional<JsonValue> array(int depth);
    std::optional<JsonValue> object(int depth);
    std::optional<JsonValue> literal(std::string_view word, JsonValue meaning);
    std::optional<std::string> string();
    bool appendEscape(std::string& out);
    std::optional<char32_t> escapedCodePoint();
    std::optional<char32_t> hexQuad();
    std::optional<JsonValue> number();
    std::optional<NumberParts> numberParts();

    std::string_view m_text;
    std::size_t m_position = 0;
};

bool Reader::consume(char expected) {
    if (atEnd() || m_text[m_position] != expected)
        return false;
    ++m_position;
    return true;
}

bool Reader::consumeWord(std::string_view word) {
    if (m_text.substr(m_position, word.size()) != word)
        return false;
    m_position += word.size();
    return true;
}

void Reader::skipWhitespace() {
    while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
        ++m_position;
}

std::string_view Reader::digitsFrom(std::size_t start) {
    while (isDigit(peek()))
        ++m_position;
    return m_text.substr(start, m_position - start);
}

std::optional<JsonValue> Reader::document() {
    if (!QByteArrayView(m_text.data(), static_cast<qsizetype>(m_text.size())).isValidUtf8())
        return std::nullopt;
    consumeWord(byteOrderMark);
    auto result = value(0);
    skipWhitespace();
    if (!atEnd())
        return std::nullopt;
    return result;
}

std::optional<JsonValue> Reader::value(int depth) {
    skipWhitespace();
    switch (peek()) {
    case '[':
        return array(depth);
    case '{':
        return object(depth);
    case '"':
        if (auto text = string())
            return JsonValue(std::move(*text));
        return std::nullopt;
    case 't':
        return literal("true", true);
    case 'f':
        return literal("false", false);
    case 'n':
        return literal("null", nullptr);
    default:
        return number();
    }
}

std::optional<JsonValue> Reader::literal(std::string_view word, JsonValue meaning) {
    if (!consumeWord(word))
        return std::nullopt;
    return meaning;
}

// The comma-separated elements of an array or object up to its `close`,
// each read by `element`; false when one does not read or a comma is missing.
template <class Element> bool Reader::elementsUntil(char close, Element element) {
    skipWhitespace();
    if (consume(close))
        return true;
    while (true) {
        if (!element())
            return false;
        skipWhitespace();
        const bool separated = consume(',');
        skipWhitespace();
        if (consume(close))
            return true;
        if (!separated)
            return false;
    }
}

std::optional<JsonValue> Reader::array(int depth) {
    if (depth >= maximumDepth)
        return std::nullopt;
    consume('[');
    JsonValue result = JsonValue::array();
    const bool read = elementsUntil(']', [&] {
        auto element = value(depth + 1);
        if (element)
            result.push_back(std::move(*element));
        return element.has_value();
    });
    return read ? std::optional(std::move(result)) : std::nullopt;
}

std::optional<JsonValue> Reader::object(int depth) {
    if (depth >= maximumDepth)
        return std::nullopt;
    consume('{');
    JsonValue result = JsonValue::object();
    MemberList members(result.get_ref<JsonValue::object_t&>());
    const bool read = elementsUntil('}', [&] {
        if (peek() != '"')
            return false;
        auto name = string();
        skipWhitespace();
        if (!name || !consume(':'))
            return false;
        auto member = value(depth + 1);
        if (member)
            members.add(std::move(*name), std::move(*member));
        return member.has_value();
    });
    return read ? std::optional(std::move(result)) : std::nullopt;
}

std::optional<std::string> Reader::string() {
    consume('"');
    std::string text;
    std::size_t rawStart = m_position;
    while (!atEnd()) {
        const auto byte = static_cast<unsigned char>(m_text[m_position]);
        if (byte < 0x20)
            return std::nullopt;
        if (byte != '"' && byte != '\\') {
            ++m_position;
            continue;
        }
        text.append(m_text.substr(rawStart, m_position - rawStart));
        ++m_position;
        if (byte == '"')
            return text;
        if (!appendEscape(text))
            return std::nullopt;
        rawStart = m_position;
    }
    return std::nullopt;
}

bool Reader::appendEscape(std::string& out) {
    const char escape = peek();
    ++m_position;
    switch (escape) {
    case '"':
    case '\\':
    case '/':
        out += escape;
        return true;
    case 'b':
        out += '\b';
        return true;
    case 'f':
        out += '\f';
        return true;
    case 'n':
        out += '\n';
        return true;
    case 'r':
        out += '\r';
        return true;
    case 't':
        out += '\t';
        return true;
    case 'u':
        if (const auto codePoint = escapedCodePoint()) {
            appendUtf8(out, *codePoint);
            return true;
        }
        return false;
    default:
        return false;
    }
}

// The code point of a \u escape whose "\u" has been read, joining a surrogate
// pair; a surrogate without its partner is refused.
std::optional<char32_t> Reader::escapedCodePoint() {
    const auto unit = hexQuad();
    if (!unit || (*unit >= 0xDC00 && *unit <= 0xDFFF))
        return std::nullopt;
    if (*unit < 0xD800 || *unit > 0xDBFF)
        return unit;
    if (!consumeWord("\\u"))
        return std::nullopt;
    const auto low = hexQuad();
    if (!low || *low < 0xDC00 || *low > 0xDFFF)
        return std::nullopt;
    return 0x10000 + ((*unit - 0xD800) << 10) + (*low - 0xDC00);
}

std::optional<char32_t> Reader::hexQuad() {
    char32_t unit = 0;
    for (int i = 0; i < 4; ++i) {
        const auto digit = hexDigit(peek());
        if (!digit)
            return std::nullopt;
        unit = unit << 4 | static_cast<char32_t>(*digit);
        ++m_position;
    }
    return unit;
}

std::optional<NumberParts> Reader::numberParts() {
    NumberParts parts;
    const auto start = m_position;
    parts.negative = consume('-');
    if (!isDigit(peek()))
        return std::nullopt;
    parts.integerDigits = peek() == '0' ? m_text.substr(m_position++, 1) : digitsFrom(m_position);
    if (consume('.')) {
        parts.fractionDigits = digitsFrom(m_position);
        if (parts.fractionDigits.empty())
            return std::nullopt;
    }
    if (consume('e') || consume('E')) {
        parts.hasExponent = true;
        const bool negativeExponent = consume('-');
        if (!negativeExponent)
            consume('+');
        const auto exponentDigits = digitsFrom(m_position);
        if (exponentDigits.empty())
            return std::nullopt;
        for (const char digit : exponentDigits)
            parts.exponent = std::min(parts.exponent * 10 + (digit - '0'), 1'000'000L);
        if (negativeExponent)
            parts.exponent = -parts.exponent;
    }
    parts.text = m_text.substr(start, m_position - start);
    return parts;
}

// Integers stay exact when they fit 64 bits. "-0" is kept as the double -0 so
// that a negative zero written out reads back with its sign.
std::optional<JsonValue> Reader::number() {
    const auto parts = numberParts();
    if (!parts)
        return std::nullopt;
    if (parts->isInteger() && parts->text != "-0") {
        if (auto integer = integerValue(*parts))
            return integer;
    }
    return floatValue(*parts);
}

} // namespace

std::optional<JsonValue> readJson(std::string_view text) {
    return Reader(text).document();
}

} // namespace Defaults
