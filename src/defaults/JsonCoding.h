// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/JsonNode.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QUrl>
#include <QUuid>

#include <array>
#include <charconv>
#include <concepts>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

// How C++ values become JSON values and back, and the JSON text form of a
// single value that preferences store for kinds they cannot hold natively.
namespace Defaults {

// JsonCoding<T> has `static bool encode(const T&, JsonNode& json, std::string* error)`
// (false, with a reason in `error`, when the value has no JSON form) and
// `static std::optional<T> decode(const JsonNode&)` (none when the JSON does not
// describe a T). Kinds without a JSON form get the empty primary template.
template <class T> struct JsonCoding {};

template <class T>
concept JsonCodable = requires(const T& value, JsonNode& out, const JsonNode& json,
                               std::string* error) {
    { JsonCoding<T>::encode(value, out, error) } -> std::same_as<bool>;
    { JsonCoding<T>::decode(json) } -> std::same_as<std::optional<T>>;
};

// Numbers, not characters: char and its wider siblings have no coding.
template <class T>
concept Integer = std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char> &&
                  !std::same_as<T, wchar_t> && !std::same_as<T, char8_t> &&
                  !std::same_as<T, char16_t> && !std::same_as<T, char32_t>;

// Scalars with a fixed form: a string; true or false; a number written in its
// shortest exact digits (non-finite ones are an error); a date as seconds since
// 2001-01-01T00:00:00Z, read to the millisecond; data as padded Base64; a UUID
// as its upper-case string (read in either case); a URL as its fully encoded
// absolute string.
template <> struct JsonCoding<QString> {
    static bool encode(const QString& value, JsonNode& json, std::string* error);
    static std::optional<QString> decode(const JsonNode& json);
};
template <> struct JsonCoding<bool> {
    static bool encode(const bool& value, JsonNode& json, std::string* error);
    static std::optional<bool> decode(const JsonNode& json);
};
template <> struct JsonCoding<double> {
    static bool encode(const double& value, JsonNode& json, std::string* error);
    static std::optional<double> decode(const JsonNode& json);
};
template <> struct JsonCoding<float> {
    static bool encode(const float& value, JsonNode& json, std::string* error);
    static std::optional<float> decode(const JsonNode& json);
};
template <> struct JsonCoding<QDateTime> {
    static bool encode(const QDateTime& value, JsonNode& json, std::string* error);
    static std::optional<QDateTime> decode(const JsonNode& json);
};
template <> struct JsonCoding<QByteArray> {
    static bool encode(const QByteArray& value, JsonNode& json, std::string* error);
    static std::optional<QByteArray> decode(const JsonNode& json);
};
template <> struct JsonCoding<QUuid> {
    static bool encode(const QUuid& value, JsonNode& json, std::string* error);
    static std::optional<QUuid> decode(const JsonNode& json);
};
template <> struct JsonCoding<QUrl> {
    static bool encode(const QUrl& value, JsonNode& json, std::string* error);
    static std::optional<QUrl> decode(const JsonNode& json);
};

namespace detail {

// An integer from decimal text: an optional sign, then digits, nothing else.
template <Integer T> std::optional<T> integerFromText(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    T value{};
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failure != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace detail

template <Integer T> struct JsonCoding<T> {
    static bool encode(const T& value, JsonNode& json, std::string*) {
        if constexpr (std::is_signed_v<T>)
            setInteger(json, static_cast<std::int64_t>(value));
        else
            setUnsigned(json, static_cast<std::uint64_t>(value));
        return true;
    }

    static std::optional<T> decode(const JsonNode& json) {
        const auto exact = [&json] {
            if constexpr (std::is_signed_v<T>)
                return exactInt64(json);
            else
                return exactUInt64(json);
        }();
        if (exact && std::in_range<T>(*exact))
            return static_cast<T>(*exact);
        return std::nullopt;
    }
};

// None is written as null; null reads as none, anything else must decode as T.
template <JsonCodable T> struct JsonCoding<std::optional<T>> {
    static bool encode(const std::optional<T>& value, JsonNode& json, std::string* error) {
        if (!value) {
            setNull(json);
            return true;
        }
        return JsonCoding<T>::encode(*value, json, error);
    }

    static std::optional<std::optional<T>> decode(const JsonNode& json) {
        if (isNull(json))
            return std::optional<std::optional<T>>(std::in_place);
        auto value = JsonCoding<T>::decode(json);
        if (!value)
            return std::nullopt;
        return std::optional<std::optional<T>>(std::in_place, std::move(*value));
    }
};

namespace detail {

template <class Range> bool encodeArray(const Range& elements, JsonNode& json, std::string* error) {
    using Element = std::remove_cvref_t<decltype(*std::begin(elements))>;
    setArray(json);
    for (const auto& element : elements) {
        if (!JsonCoding<Element>::encode(element, appendElement(json), error))
            return false;
    }
    return true;
}

// Decodes every element of a JSON array into `collection`; one element that
// does not decode spoils the whole collection.
template <class Collection> std::optional<Collection> decodeArray(const JsonNode& json) {
    using Element = typename Collection::value_type;
    if (!isArray(json))
        return std::nullopt;
    Collection collection;
    const std::size_t count = countOf(json);
    collection.reserve(static_cast<qsizetype>(count));
    for (std::size_t index = 0; index < count; ++index) {
        auto value = JsonCoding<Element>::decode(elementAt(json, index));
        if (!value)
            return std::nullopt;
        collection.insert(collection.end(), std::move(*value));
    }
    return collection;
}

} // namespace detail

template <JsonCodable T> struct JsonCoding<QList<T>> {
    static bool encode(const QList<T>& list, JsonNode& json, std::string* error) {
        return detail::encodeArray(list, json, error);
    }
    static std::optional<QList<T>> decode(const JsonNode& json) {
        return detail::decodeArray<QList<T>>(json);
    }
};

// A set is an array in the set's own order; duplicates merge on reading.
template <JsonCodable T> struct JsonCoding<QSet<T>> {
    static bool encode(const QSet<T>& set, JsonNode& json, std::string* error) {
        return detail::encodeArray(set, json, error);
    }
    static std::optional<QSet<T>> decode(const JsonNode& json) {
        return detail::decodeArray<QSet<T>>(json);
    }
};

// Map keys that are written as object member names: strings as they are,
// integers as decimal text. (Other key kinds would need another form, which
// nothing here needs.)
template <class T>
concept MemberNameKey = std::same_as<T, QString> || Integer<T>;

namespace detail {

inline std::string memberName(const QString& key) {
    return key.toStdString();
}
template <Integer T> std::string memberName(T key) {
    return std::to_string(key);
}

template <class Key> std::optional<Key> keyFromMemberName(const std::string& name) {
    if constexpr (std::same_as<Key, QString>)
        return QString::fromStdString(name);
    else
        return integerFromText<Key>(name);
}

// A JSON object of a map's entries in the map's order. Reading fails when any
// name or value does not convert; when two names mean one key ("5" and "+5")
// the first wins.
template <class Map> struct MapCoding {
    using Key = typename Map::key_type;
    using Mapped = typename Map::mapped_type;

    static bool encode(const Map& map, JsonNode& json, std::string* error) {
        setObject(json);
        for (auto entry = map.cbegin(); entry != map.cend(); ++entry) {
            if (!JsonCoding<Mapped>::encode(entry.value(),
                                            appendMember(json, memberName(entry.key())), error))
                return false;
        }
        return true;
    }

    static std::optional<Map> decode(const JsonNode& json) {
        if (!isObject(json))
            return std::nullopt;
        Map map;
        for (std::size_t index = 0; index < countOf(json); ++index) {
            auto key = keyFromMemberName<Key>(nameAt(json, index));
            auto value = JsonCoding<Mapped>::decode(valueAt(json, index));
            if (!key || !value)
                return std::nullopt;
            if (!map.contains(*key))
                map.insert(*key, std::move(*value));
        }
        return map;
    }
};

} // namespace detail

template <MemberNameKey K, JsonCodable V>
struct JsonCoding<QMap<K, V>> : detail::MapCoding<QMap<K, V>> {};
template <MemberNameKey K, JsonCodable V>
struct JsonCoding<QHash<K, V>> : detail::MapCoding<QHash<K, V>> {};

// A kind coded as its raw value (an enumeration's number, say). Specialise
// RawValue<T> with `using Raw = ...;`, `static Raw raw(const T&)` and
// `static std::optional<T> fromRaw(const Raw&)` (none for a raw value that names
// no T); IntegerRawValue below does this for enums whose raw values are their
// underlying integers.
template <class T> struct RawValue {};

template <class T>
concept RawRepresentable = requires(const T& value) {
    { RawValue<T>::raw(value) } -> std::same_as<typename RawValue<T>::Raw>;
    { RawValue<T>::fromRaw(RawValue<T>::raw(value)) } -> std::same_as<std::optional<T>>;
};

template <class Enum, Enum... cases> struct IntegerRawValue {
    using Raw = std::underlying_type_t<Enum>;
    static Raw raw(const Enum& value) { return static_cast<Raw>(value); }
    static std::optional<Enum> fromRaw(const Raw& raw) {
        for (const Enum candidate : std::array<Enum, sizeof...(cases)>{cases...}) {
            if (static_cast<Raw>(candidate) == raw)
                return candidate;
        }
        return std::nullopt;
    }
};

template <RawRepresentable T>
requires JsonCodable<typename RawValue<T>::Raw>
struct JsonCoding<T> {
    using Raw = typename RawValue<T>::Raw;
    static bool encode(const T& value, JsonNode& json, std::string* error) {
        return JsonCoding<Raw>::encode(RawValue<T>::raw(value), json, error);
    }
    static std::optional<T> decode(const JsonNode& json) {
        const auto raw = JsonCoding<Raw>::decode(json);
        return raw ? RawValue<T>::fromRaw(*raw) : std::nullopt;
    }
};

// One named member of a record's JSON object; see HasJsonFields.
template <class Owner, class Member> struct JsonField {
    std::string_view name;
    Member Owner::*member;
};

template <class Owner, class Member>
constexpr JsonField<Owner, Member> jsonField(std::string_view name, Member Owner::*member) {
    return {name, member};
}

// A record (default-constructible) that lists its members as
// `static constexpr auto jsonFields() { return std::tuple{jsonField("id", &Item::id), ...}; }`
// is coded as a JSON object with those members in that order: a
// std::optional member is left out when none and may be missing or null when
// read; every other member is required; unknown members are ignored.
template <class T>
concept HasJsonFields = requires {
    T::jsonFields();
};

namespace detail {

template <class T> struct IsOptional : std::false_type {};
template <class T> struct IsOptional<std::optional<T>> : std::true_type {};

template <class Owner, class Member>
bool encodeField(JsonNode& object, const Owner& record, JsonField<Owner, Member> field,
                 std::string* error) {
    static_assert(JsonCodable<Member>, "every field of a JSON record needs a JsonCoding");
    const Member& value = record.*field.member;
    if constexpr (IsOptional<Member>::value) {
        if (!value)
            return true;
    }
    return JsonCoding<Member>::encode(value, appendMember(object, std::string(field.name)), error);
}

template <class Owner, class Member>
bool decodeField(const JsonNode& object, Owner& record, JsonField<Owner, Member> field) {
    if (const JsonNode* json = memberNamed(object, field.name)) {
        auto value = JsonCoding<Member>::decode(*json);
        if (value)
            record.*field.member = std::move(*value);
        return value.has_value();
    }
    if constexpr (IsOptional<Member>::value) {
        record.*field.member = std::nullopt;
        return true;
    }
    return false;
}

} // namespace detail

template <HasJsonFields T> struct JsonCoding<T> {
    static bool encode(const T& record, JsonNode& json, std::string* error) {
        setObject(json);
        return std::apply(
            [&](const auto&... fields) {
                return (detail::encodeField(json, record, fields, error) && ...);
            },
            T::jsonFields());
    }

    static std::optional<T> decode(const JsonNode& json) {
        if (!isObject(json))
            return std::nullopt;
        T record{};
        const bool decoded = std::apply(
            [&](const auto&... fields) {
                return (detail::decodeField(json, record, fields) && ...);
            },
            T::jsonFields());
        return decoded ? std::optional<T>(std::move(record)) : std::nullopt;
    }
};

namespace detail {

using Encoder = std::function<bool(JsonNode& json, std::string* error)>;
using Decoder = std::function<bool(const JsonNode& json)>;

// The text of what `encode` builds, without the brackets an array around it
// would add: the value's own text. When there is none, the reason is logged,
// the one message the JSON text form ever gives.
std::optional<std::string> encodedText(const Encoder& encode);

// Reads "[" + text + "]" and hands each element to `decode`; false when the
// text does not read or `decode` refuses an element.
bool decodeElements(std::string_view text, const Decoder& decode);

// Reads one JSON document and hands it to `decode`; false when the text does
// not read or `decode` refuses it.
bool decodeDocument(std::string_view text, const Decoder& decode);

} // namespace detail

// A stored string's UTF-8 bytes, for decoding them where they lie.
struct Utf8 {
    explicit Utf8(const QString& text)
        : bytes(text.toUtf8()) {}
    operator std::string_view() const {
        return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
    }
    QByteArray bytes;
};

// The JSON text of one value as preferences store it: a string with its
// quotes, a number as digits, a record as an object. None when the value has
// no JSON form (the reason is logged).
template <JsonCodable T> std::optional<std::string> encodeJsonText(const T& value) {
    return detail::encodedText([&value](JsonNode& json, std::string* error) {
        return JsonCoding<T>::encode(value, json, error);
    });
}

// Reads what encodeJsonText writes. The text is read as the elements of an array,
// which must all be T's; the first is returned ("1,2" gives 1, "" gives none).
template <JsonCodable T> std::optional<T> decodeJsonText(std::string_view text) {
    std::optional<T> first;
    const bool decoded = detail::decodeElements(text, [&first](const JsonNode& element) {
        auto value = JsonCoding<T>::decode(element);
        if (!value)
            return false;
        if (!first)
            first = std::move(value);
        return true;
    });
    return decoded ? std::move(first) : std::nullopt;
}

// A whole JSON document (with the reader's leniency) as a T, or none.
template <JsonCodable T> std::optional<T> decodeJsonDocument(std::string_view text) {
    std::optional<T> result;
    detail::decodeDocument(text, [&result](const JsonNode& json) {
        result = JsonCoding<T>::decode(json);
        return result.has_value();
    });
    return result;
}

} // namespace Defaults
