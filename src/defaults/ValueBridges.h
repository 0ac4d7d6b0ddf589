// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

// Kinds that are not property-list values: identifiers, addresses, colours,
// records with a JSON coding, and enumerations.

#include "defaults/Serializable.h"

#include <QColor>

namespace Defaults {

// --- UUID: the canonical upper-case string ------------------------------------

struct UUIDBridge {
    using Value = QUuid;
    static bool accepts(const QVariant& stored) { return stored.typeId() == QMetaType::QString; }
    static std::optional<QVariant> serialize(const std::optional<QUuid>& value);
    // Reads the 8-4-4-4-12 form only (either case); anything else is none.
    static std::optional<QUuid> deserialize(const std::optional<QVariant>& stored);
};

template <> struct Serializable<QUuid> : detail::Bridged<UUIDBridge> {};

// --- URL: JSON text of its absolute string --------------------------------------

template <> struct Serializable<QUrl> : detail::Bridged<TopLevelCodableBridge<QUrl>> {};

// --- Colour: an archive in data -----------------------------------------------

struct ColorBridge {
    using Value = QColor;
    static bool accepts(const QVariant& stored) { return stored.typeId() == QMetaType::QByteArray; }
    static std::optional<QVariant> serialize(const std::optional<QColor>& value);
    static std::optional<QColor> deserialize(const std::optional<QVariant>& stored);
};

template <> struct Serializable<QColor> : detail::Bridged<ColorBridge> {};

// --- Records that declare their JSON coding -----------------------------------

// A struct with `static constexpr auto jsonFields()` (see JsonCoding.h) is
// stored as the JSON text of one object.
template <class T>
requires HasJsonFields<T>
struct Serializable<T> : detail::Bridged<TopLevelCodableBridge<T>> {
};

// --- Enumerations -------------------------------------------------------------

// A kind with a raw value (see RawValue) is stored as its raw value;
// set this to true for a kind whose raw value is to be kept as JSON text, as a
// Codable enumeration is.
template <class T> inline constexpr bool storesRawValueAsJsonText = false;

template <class E> struct RawRepresentableBridge {
    using Value = E;
    using Raw = typename RawValue<E>::Raw;
    static bool accepts(const QVariant& stored) {
        return BridgeOf<Raw>::accepts(stored) || fromStoredForm<Raw>(stored).has_value();
    }
    static std::optional<QVariant> serialize(const std::optional<E>& value) {
        if (!value)
            return std::nullopt;
        return toStoredForm(RawValue<E>::raw(*value));
    }
    // A raw value that names no value reads as none.
    static std::optional<E> deserialize(const std::optional<QVariant>& stored) {
        if (!stored)
            return std::nullopt;
        auto raw = fromStoredForm<Raw>(stored);
        return raw ? RawValue<E>::fromRaw(*raw) : std::nullopt;
    }
};

template <class E>
requires RawRepresentable<E>
struct Serializable<E>
    : detail::Bridged<std::conditional_t<storesRawValueAsJsonText<E>, TopLevelCodableBridge<E>,
                                         RawRepresentableBridge<E>>> {
};

} // namespace Defaults
