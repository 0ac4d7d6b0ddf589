// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Json.h"

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
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

// How C++ values become JSON values and back, following what the macOS coders
// do with the matching Swift kinds, and the JSON text form of a single value
// that preferences store for kinds they cannot hold natively.
namespace Defaults::Json {

// Coding<T> has `static std::optional<Value> encode(const T&, std::string* error)`
// (none, with a reason in `error`, when the value has no JSON form) and
// `static std::optional<T> decode(const Value&)` (none when the JSON does not
// describe a T). Kinds without a JSON form get the empty primary template.
template <class T> struct Coding {};

template <class T>
concept Codable = requires(const T& value, const Value& json, std::string* error) {
    { Coding<T>::encode(value, error) } -> std::same_as<std::optional<Value>>;
    { Coding<T>::decode(json) } -> std::same_as<std::optional<T>>;
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
template <> struct Coding<QString> {
    static std::optional<Value> encode(const QString& value, std::string* error);
    static std::optional<QString> decode(const Value& json);
};
template <> struct Coding<bool> {
    static std::optional<Value> encode(const bool& value, std::string* error);
    static std::optional<bool> decode(const Value& json);
};
template <> struct Coding<double> {
    static std::optional<Value> encode(const double& value, std::string* error);
    static std::optional<double> decode(const Value& json);
};
template <> struct Coding<float> {
    static std::optional<Value> encode(const float& value, std::string* error);
    static std::optional<float> decode(const Value& json);
};
template <> struct Coding<QDateTime> {
    static std::optional<Value> encode(const QDateTime& value, std::string* error);
    static std::optional<QDateTime> decode(const Value& json);
};
template <> struct Coding<QByteArray> {
    static std::optional<Value> encode(const QByteArray& value, std::string* error);
    static std::optional<QByteArray> decode(const Value& json);
};
template <> struct Coding<QUuid> {
    static std::optional<Value> encode(const QUuid& value, std::string* error);
    static std::optional<QUuid> decode(const Value& json);
};
template <> struct Coding<QUrl> {
    static std::optional<Value> encode(const QUrl& value, std::string* error);
    static std::optional<QUrl> decode(const Value& json);
};

namespace detail {

// A JSON number as an exact integer of the given range: integers as they are,
// floating numbers only when they have no fraction (5.0 and 1e2 do, 5.5 not).
std::optional<std::int64_t> exactInt64(const Value& json);
std::optional<std::uint64_t> exactUInt64(const Value& json);

// An integer key as the decimal text Swift's Int reads: an optional sign, then
// digits, nothing else.
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

template <Integer T> struct Coding<T> {
    static std::optional<Value> encode(const T& value, std::string*) {
        if constexpr (std::is_signed_v<T>)
            return Value(static_cast<std::int64_t>(value));
        else
            return Value(static_cast<std::uint64_t>(value));
    }

    static std::optional<T> decode(const Value& json) {
        if constexpr (std::is_signed_v<T>) {
            const auto exact = detail::exactInt64(json);
            if (exact && std::in_range<T>(*exact))
                return static_cast<T>(*exact);
        } else {
            const auto exact = detail::exactUInt64(json);
            if (exact && std::in_range<T>(*exact))
                return static_cast<T>(*exact);
        }
        return std::nullopt;
    }
};

// None is written as null; null reads as none, anything else must decode as T.
template <Codable T> struct Coding<std::optional<T>> {
    static std::optional<Value> encode(const std::optional<T>& value, std::string* error) {
        if (!value)
            return Value(nullptr);
        return Coding<T>::encode(*value, error);
    }

    static std::optional<std::optional<T>> decode(const Value& json) {
        if (json.is_null())
            return std::optional<std::optional<T>>(std::in_place);
        auto value = Coding<T>::decode(json);
        if (!value)
            return std::nullopt;
        return std::optional<std::optional<T>>(std::in_place, std::move(*value));
    }
};

namespace detail {

template <class Range> std::optional<Value> encodeArray(const Range& elements, std::string* error) {
    using Element = std::remove_cvref_t<decltype(*std::begin(elements))>;
    Value array = Value::array();
    for (const auto& element : elements) {
        auto json = Coding<Element>::encode(element, error);
        if (!json)
            return std::nullopt;
        array.push_back(std::move(*json));
    }
    return array;
}

// Decodes every element of a JSON array into `collection`; one element that
// does not decode spoils the whole collection, as it does for Swift arrays.
template <class Collection> std::optional<Collection> decodeArray(const Value& json) {
    using Element = typename Collection::value_type;
    if (!json.is_array())
        return std::nullopt;
    Collection collection;
    collection.reserve(static_cast<qsizetype>(json.size()));
    for (const auto& element : json) {
        auto value = Coding<Element>::decode(element);
        if (!value)
            return std::nullopt;
        collection.insert(collection.end(), std::move(*value));
    }
    return collection;
}

} // namespace detail

template <Codable T> struct Coding<QList<T>> {
    static std::optional<Value> encode(const QList<T>& list, std::string* error) {
        return detail::encodeArray(list, error);
    }
    static std::optional<QList<T>> decode(const Value& json) {
        return detail::decodeArray<QList<T>>(json);
    }
};

// A set is an array in the set's own order; duplicates merge on reading.
template <Codable T> struct Coding<QSet<T>> {
    static std::optional<Value> encode(const QSet<T>& set, std::string* error) {
        return detail::encodeArray(set, error);
    }
    static std::optional<QSet<T>> decode(const Value& json) {
        return detail::decodeArray<QSet<T>>(json);
    }
};

// Dictionary keys Swift writes as object member names: strings as they are,
// integers as decimal text. (Swift writes other key kinds as a flat array of
// keys and values, which nothing here needs.)
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

    static std::optional<Value> encode(const Map& map, std::string* error) {
        Value object = Value::object();
        auto& members = object.get_ref<Value::object_t&>();
        for (auto entry = map.cbegin(); entry != map.cend(); ++entry) {
            auto json = Coding<Mapped>::encode(entry.value(), error);
            if (!json)
                return std::nullopt;
            members.emplace_back(memberName(entry.key()), std::move(*json));
        }
        return object;
    }

    static std::optional<Map> decode(const Value& json) {
        if (!json.is_object())
            return std::nullopt;
        Map map;
        for (const auto& [name, member] : json.get_ref<const Value::object_t&>()) {
            auto key = keyFromMemberName<Key>(name);
            auto value = Coding<Mapped>::decode(member);
            if (!key || !value)
                return std::nullopt;
            if (!map.contains(*key))
                map.insert(*key, std::move(*value));
        }
        return map;
    }
};

} // namespace detail

template <MemberNameKey K, Codable V> struct Coding<QMap<K, V>> : detail::MapCoding<QMap<K, V>> {};
template <MemberNameKey K, Codable V>
struct Coding<QHash<K, V>> : detail::MapCoding<QHash<K, V>> {};

// A kind coded as its raw value, like a Swift enum with raw values. Specialise
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
requires Codable<typename RawValue<T>::Raw>
struct Coding<T> {
    using Raw = typename RawValue<T>::Raw;
    static std::optional<Value> encode(const T& value, std::string* error) {
        return Coding<Raw>::encode(RawValue<T>::raw(value), error);
    }
    static std::optional<T> decode(const Value& json) {
        const auto raw = Coding<Raw>::decode(json);
        return raw ? RawValue<T>::fromRaw(*raw) : std::nullopt;
    }
};

// One named member of a record's JSON object; see HasJsonFields.
template <class Owner, class Member> struct Field {
    std::string_view name;
    Member Owner::*member;
};

template <class Owner, class Member>
constexpr Field<Owner, Member> field(std::string_view name, Member Owner::*member) {
    return {name, member};
}

// A record (default-constructible) that lists its members as
// `static constexpr auto jsonFields() { return std::tuple{field("id", &Item::id), ...}; }`
// is coded as a JSON object with those members in that order, like a Swift
// struct with synthesized Codable: a std::optional member is left out when
// none and may be missing or null when read; every other member is required;
// unknown members are ignored.
template <class T>
concept HasJsonFields = requires {
    T::jsonFields();
};

namespace detail {

template <class T> struct IsOptional : std::false_type {};
template <class T> struct IsOptional<std::optional<T>> : std::true_type {};

template <class Owner, class Member>
bool encodeField(Value::object_t& members, const Owner& record, Field<Owner, Member> field,
                 std::string* error) {
    static_assert(Codable<Member>, "every field of a JSON record needs a Coding");
    const Member& value = record.*field.member;
    if constexpr (IsOptional<Member>::value) {
        if (!value)
            return true;
    }
    auto json = Coding<Member>::encode(value, error);
    if (json)
        members.emplace_back(std::string(field.name), std::move(*json));
    return json.has_value();
}

template <class Owner, class Member>
bool decodeField(const Value::object_t& members, Owner& record, Field<Owner, Member> field) {
    for (const auto& [name, json] : members) {
        if (name != field.name)
            continue;
        auto value = Coding<Member>::decode(json);
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

template <HasJsonFields T> struct Coding<T> {
    static std::optional<Value> encode(const T& record, std::string* error) {
        Value object = Value::object();
        auto& members = object.get_ref<Value::object_t&>();
        const bool encoded = std::apply(
            [&](const auto&... fields) {
                return (detail::encodeField(members, record, fields, error) && ...);
            },
            T::jsonFields());
        return encoded ? std::optional<Value>(std::move(object)) : std::nullopt;
    }

    static std::optional<T> decode(const Value& json) {
        if (!json.is_object())
            return std::nullopt;
        const auto& members = json.get_ref<const Value::object_t&>();
        T record{};
        const bool decoded = std::apply(
            [&](const auto&... fields) {
                return (detail::decodeField(members, record, fields) && ...);
            },
            T::jsonFields());
        return decoded ? std::optional<T>(std::move(record)) : std::nullopt;
    }
};

namespace detail {

// The text of [element] without its brackets, which is the element's own
// text. When there is none it prints `error`, or the writer's reason, to
// standard output, the one message the JSON text form ever gives.
std::optional<std::string> fragmentText(const std::optional<Value>& element, std::string error);

// "[" + text + "]" read as a JSON array, or none.
std::optional<Value> fragmentArray(std::string_view text);

} // namespace detail

// The JSON text of one value as preferences store it: a string with its
// quotes, a number as digits, a record as an object. None when the value has
// no JSON form (the reason is printed to standard output).
template <Codable T> std::optional<std::string> encodeText(const T& value) {
    std::string error;
    auto element = Coding<T>::encode(value, &error);
    return detail::fragmentText(element, std::move(error));
}

// Reads what encodeText writes. The text is read as the elements of an array,
// which must all be T's; the first is returned ("1,2" gives 1, "" gives none).
template <Codable T> std::optional<T> decodeText(std::string_view text) {
    const auto array = detail::fragmentArray(text);
    if (!array)
        return std::nullopt;
    std::optional<T> first;
    for (const auto& element : *array) {
        auto value = Coding<T>::decode(element);
        if (!value)
            return std::nullopt;
        if (!first)
            first = std::move(value);
    }
    return first;
}

} // namespace Defaults::Json
