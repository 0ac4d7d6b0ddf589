// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

// How each value kind is kept in a preferences domain. Kinds that are
// property-list values already (strings, Booleans, numbers, dates, data, and
// lists and string-keyed maps of them) are "natively stored": written as they
// are. Every other kind goes through its bridge, which turns a value into a
// property-list object and back. A natively stored kind still has a bridge: it
// reads older stored forms (for the scalars, a JSON text string).
//
// Every bridge maps none to none and reports failure as none; none throws.

#include "defaults/JsonCoding.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QUrl>
#include <QUuid>
#include <QVariant>

#include <cmath>
#include <concepts>
#include <limits>
#include <optional>
#include <type_traits>

namespace Defaults {

// Specialised for every storable kind with:
//   static constexpr bool isNativelyStored;
//   using Bridge = ...;                  // see the bridges below
// and, for natively stored kinds,
//   static QVariant toNative(const T&);  // the property-list object itself
//   static std::optional<T> fromNative(const QVariant&); // a strict type test
template <class T> struct Serializable;

template <class T>
concept DefaultsSerializable = requires {
    { Serializable<T>::isNativelyStored } -> std::convertible_to<bool>;
    typename Serializable<T>::Bridge;
};

template <class T> using BridgeOf = typename Serializable<T>::Bridge;

// A bridge: Value is the in-memory kind; `accepts` tests whether a stored
// object is of the bridge's serialized type.
template <class B>
concept DefaultsBridge = requires(const QVariant& stored,
                                  const std::optional<typename B::Value>& value) {
    { B::accepts(stored) } -> std::same_as<bool>;
    { B::serialize(value) } -> std::same_as<std::optional<QVariant>>;
    {
        B::deserialize(std::optional<QVariant>(stored))
        } -> std::same_as<std::optional<typename B::Value>>;
};

// --- The JSON text bridge ----------------------------------------------------

// Stores a value as the JSON text of the value itself (a string with its
// quotes, a number as its digits, a struct as an object).
template <class T> struct TopLevelCodableBridge {
    using Value = T;
    static bool accepts(const QVariant& stored) { return stored.typeId() == QMetaType::QString; }
    static std::optional<QVariant> serialize(const std::optional<T>& value) {
        if (!value)
            return std::nullopt;
        auto text = encodeJsonText(*value);
        if (!text)
            return std::nullopt;
        return QVariant(QString::fromStdString(*text));
    }
    static std::optional<T> deserialize(const std::optional<QVariant>& stored) {
        if (!stored || !accepts(*stored))
            return std::nullopt;
        return decodeJsonText<T>(Utf8(stored->toString()));
    }
};

// --- Natively stored scalars -------------------------------------------------

namespace detail {

template <Integer I> std::optional<I> integerFrom(const QVariant& stored) {
    switch (stored.typeId()) {
    case QMetaType::LongLong: {
        const qint64 v = stored.toLongLong();
        if (std::in_range<I>(v))
            return static_cast<I>(v);
        return std::nullopt;
    }
    case QMetaType::ULongLong: {
        const quint64 v = stored.toULongLong();
        if (std::in_range<I>(v))
            return static_cast<I>(v);
        return std::nullopt;
    }
    case QMetaType::Double: {
        // A real that is exactly an integer in range reads as that integer.
        const double v = stored.toDouble();
        if (std::trunc(v) != v || v < static_cast<double>(std::numeric_limits<I>::min()) ||
            v >= std::ldexp(1.0, std::numeric_limits<I>::digits))
            return std::nullopt;
        return static_cast<I>(v);
    }
    default:
        return std::nullopt;
    }
}

template <std::floating_point F> std::optional<F> realFrom(const QVariant& stored) {
    double v = 0;
    switch (stored.typeId()) {
    case QMetaType::Double:
        v = stored.toDouble();
        break;
    case QMetaType::LongLong:
        v = static_cast<double>(stored.toLongLong());
        break;
    case QMetaType::ULongLong:
        v = static_cast<double>(stored.toULongLong());
        break;
    default:
        return std::nullopt;
    }
    // A Float reads only a number it can hold exactly.
    if constexpr (std::same_as<F, float>) {
        if (std::isfinite(v) && static_cast<double>(static_cast<float>(v)) != v)
            return std::nullopt;
    }
    return static_cast<F>(v);
}

template <class T, QMetaType::Type Id> struct NativeScalar {
    static constexpr bool isNativelyStored = true;
    using Bridge = TopLevelCodableBridge<T>;
    static QVariant toNative(const T& value) { return QVariant::fromValue(value); }
    static std::optional<T> fromNative(const QVariant& stored) {
        if (stored.typeId() != Id)
            return std::nullopt;
        return stored.value<T>();
    }
};

// A kind that is stored through `B`, not as a property-list object of its own.
template <class B> struct Bridged {
    static constexpr bool isNativelyStored = false;
    using Bridge = B;
};

} // namespace detail

template <> struct Serializable<QString> : detail::NativeScalar<QString, QMetaType::QString> {};
template <> struct Serializable<bool> : detail::NativeScalar<bool, QMetaType::Bool> {};
template <>
struct Serializable<QByteArray> : detail::NativeScalar<QByteArray, QMetaType::QByteArray> {};
template <>
struct Serializable<QDateTime> : detail::NativeScalar<QDateTime, QMetaType::QDateTime> {};

template <Integer I> struct Serializable<I> {
    static constexpr bool isNativelyStored = true;
    using Bridge = TopLevelCodableBridge<I>;
    static QVariant toNative(I value) {
        if constexpr (std::is_signed_v<I>)
            return QVariant(static_cast<qint64>(value));
        else
            return QVariant(static_cast<quint64>(value));
    }
    static std::optional<I> fromNative(const QVariant& stored) {
        return detail::integerFrom<I>(stored);
    }
};

template <std::floating_point F> struct Serializable<F> {
    static constexpr bool isNativelyStored = true;
    using Bridge = TopLevelCodableBridge<F>;
    static QVariant toNative(F value) { return QVariant(static_cast<double>(value)); }
    static std::optional<F> fromNative(const QVariant& stored) {
        return detail::realFrom<F>(stored);
    }
};

// --- Conversion between a value and its stored form --------------------------

template <DefaultsSerializable T> std::optional<QVariant> toStoredForm(const T& value) {
    if constexpr (Serializable<T>::isNativelyStored)
        return Serializable<T>::toNative(value);
    else
        return BridgeOf<T>::serialize(value);
}

template <DefaultsSerializable T>
std::optional<T> fromStoredForm(const std::optional<QVariant>& stored) {
    if constexpr (Serializable<T>::isNativelyStored) {
        if (stored) {
            if (auto native = Serializable<T>::fromNative(*stored))
                return native;
        }
    }
    using Bridge = BridgeOf<T>;
    if (stored && Bridge::accepts(*stored))
        return Bridge::deserialize(stored);
    return Bridge::deserialize(std::nullopt);
}

// --- Optional ----------------------------------------------------------------

// Hands a present value to the wrapped kind's bridge. "None" itself is never
// stored: writing it removes the entry (see Key.h).
template <DefaultsSerializable W> struct OptionalBridge {
    using Value = std::optional<W>;
    static bool accepts(const QVariant& stored) { return BridgeOf<W>::accepts(stored); }
    static std::optional<QVariant> serialize(const std::optional<Value>& value) {
        if (!value || !*value)
            return std::nullopt;
        return BridgeOf<W>::serialize(**value);
    }
    static std::optional<Value> deserialize(const std::optional<QVariant>& stored) {
        if (auto value = BridgeOf<W>::deserialize(stored))
            return Value(std::move(*value));
        return std::nullopt;
    }
};

template <DefaultsSerializable W> struct Serializable<std::optional<W>> {
    static constexpr bool isNativelyStored = Serializable<W>::isNativelyStored;
    using Bridge = OptionalBridge<W>;
    static QVariant
    toNative(const std::optional<W>& value) requires Serializable<W>::isNativelyStored {
        return value ? Serializable<W>::toNative(*value) : QVariant();
    }
    static std::optional<std::optional<W>>
    fromNative(const QVariant& stored) requires Serializable<W>::isNativelyStored {
        if (auto value = Serializable<W>::fromNative(stored))
            return std::optional<W>(std::move(*value));
        return std::nullopt;
    }
};

} // namespace Defaults
