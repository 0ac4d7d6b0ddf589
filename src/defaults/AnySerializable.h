// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Serializable.h"

#include <QVariant>

namespace Defaults {

// A value already in stored form, of whatever kind: for keys whose kind is only
// known to the code that reads them. An invalid QVariant stands for "no value";
// writing such an AnySerializable removes the key's entry.
class AnySerializable {
public:
    AnySerializable() = default;
    // Holds `value`'s stored form, or no value when it has none.
    template <DefaultsSerializable T>
    requires(!std::same_as<T, AnySerializable>) AnySerializable(
        const T& value) // NOLINT(google-explicit-constructor): literals read naturally
        : value_(canonical(toStoredForm(value))) {}
    AnySerializable(const char* text)
        : AnySerializable(QString::fromUtf8(text)) {}
    static AnySerializable fromStored(QVariant stored);

    const QVariant& value() const { return value_; }
    bool isNilValue() const { return !value_.isValid(); }

    // Reads the held object as kind T, through T's bridges like a key read.
    template <DefaultsSerializable T> std::optional<T> get() const {
        return isNilValue() ? std::nullopt : fromStoredForm<T>(value_);
    }

    // Equal when both hold the same kind of object with the same value: a
    // Boolean never equals an integer, an integer never a real.
    friend bool operator==(const AnySerializable& a, const AnySerializable& b);

private:
    static QVariant canonical(const std::optional<QVariant>& stored);
    QVariant value_;
};

size_t qHash(const AnySerializable& value, size_t seed = 0);

// Stores the held object unchanged; a stored nothing reads as no value, never
// as a failure.
struct AnyBridge {
    using Value = AnySerializable;
    static bool accepts(const QVariant&) { return true; }
    static std::optional<QVariant> serialize(const std::optional<AnySerializable>& value) {
        if (!value || value->isNilValue())
            return std::nullopt;
        return value->value();
    }
    static std::optional<AnySerializable> deserialize(const std::optional<QVariant>& stored) {
        return AnySerializable::fromStored(stored.value_or(QVariant()));
    }
};

template <> struct Serializable<AnySerializable> : detail::Bridged<AnyBridge> {};

} // namespace Defaults
