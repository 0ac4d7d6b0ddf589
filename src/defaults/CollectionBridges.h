// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

// Lists, maps and sets of storable kinds.

#include "defaults/Serializable.h"

#include <QVariantList>
#include <QVariantMap>

namespace Defaults {

namespace detail {

// Every element of a stored list must pass `test` for the list to count.
template <class E> std::optional<QList<E>> allNative(const QVariantList& stored) {
    QList<E> elements;
    elements.reserve(stored.size());
    for (const QVariant& item : stored) {
        auto element = Serializable<E>::fromNative(item);
        if (!element)
            return std::nullopt;
        elements.push_back(std::move(*element));
    }
    return elements;
}

template <class E> bool allAcceptedByBridge(const QVariantList& stored) {
    return std::all_of(stored.begin(), stored.end(),
                       [](const QVariant& item) { return BridgeOf<E>::accepts(item); });
}

// Keys of stored maps are strings; other key kinds convert without loss.
template <class K> struct MapKey;
template <> struct MapKey<QString> {
    static QString toString(const QString& key) { return key; }
    static std::optional<QString> fromString(const QString& text) { return text; }
};
template <Integer K> struct MapKey<K> {
    static QString toString(K key) { return QString::number(key); }
    static std::optional<K> fromString(const QString& text) {
        bool ok = false;
        const auto value = [&] {
            if constexpr (std::is_signed_v<K>)
                return text.toLongLong(&ok);
            else
                return text.toULongLong(&ok);
        }();
        if (ok && std::in_range<K>(value) && text == QString::number(value))
            return static_cast<K>(value);
        return std::nullopt;
    }
};

} // namespace detail

// --- Lists -------------------------------------------------------------------

// A stored list reads as the elements that can be read, in their order: one
// element of the wrong kind does not cost the user all the others.
template <DefaultsSerializable E> struct ArrayBridge {
    using Value = QList<E>;
    static bool accepts(const QVariant& stored) {
        return stored.typeId() == QMetaType::QVariantList;
    }
    // Elements that cannot be stored are left out; the others keep their order.
    static std::optional<QVariant> serialize(const std::optional<Value>& value) {
        if (!value)
            return std::nullopt;
        QVariantList stored;
        stored.reserve(value->size());
        for (const E& element : *value) {
            if (auto item = BridgeOf<E>::serialize(element))
                stored.push_back(std::move(*item));
        }
        return QVariant(stored);
    }
    // Elements that do not read are left out; the others keep their order.
    static std::optional<Value> deserialize(const std::optional<QVariant>& stored) {
        if (!stored || !accepts(*stored))
            return std::nullopt;
        Value elements;
        for (const QVariant& item : stored->toList()) {
            if (!BridgeOf<E>::accepts(item))
                continue;
            if (auto element = BridgeOf<E>::deserialize(item))
                elements.push_back(std::move(*element));
        }
        return elements;
    }
};

template <DefaultsSerializable E> struct Serializable<QList<E>> {
    static constexpr bool isNativelyStored = Serializable<E>::isNativelyStored;
    using Bridge = ArrayBridge<E>;
    static QVariant toNative(const QList<E>& value) requires Serializable<E>::isNativelyStored {
        QVariantList stored;
        stored.reserve(value.size());
        for (const E& element : value)
            stored.push_back(Serializable<E>::toNative(element));
        return stored;
    }
    static std::optional<QList<E>>
    fromNative(const QVariant& stored) requires Serializable<E>::isNativelyStored {
        if (stored.typeId() != QMetaType::QVariantList)
            return std::nullopt;
        return detail::allNative<E>(stored.toList());
    }
};

// --- Maps --------------------------------------------------------------------

template <class Map> struct DictionaryBridge {
    using Value = Map;
    using K = typename Map::key_type;
    using V = typename Map::mapped_type;
    static bool accepts(const QVariant& stored) {
        if (stored.typeId() != QMetaType::QVariantMap)
            return false;
        const QVariantMap map = stored.toMap();
        return std::all_of(map.begin(), map.end(),
                           [](const QVariant& item) { return BridgeOf<V>::accepts(item); });
    }
    static std::optional<QVariant> serialize(const std::optional<Map>& value) {
        if (!value)
            return std::nullopt;
        QVariantMap stored;
        for (auto it = value->cbegin(); it != value->cend(); ++it) {
            if (auto item = BridgeOf<V>::serialize(it.value()))
                stored.insert(detail::MapKey<K>::toString(it.key()), std::move(*item));
        }
        return QVariant(stored);
    }
    // Entries whose key or value does not read are left out.
    static std::optional<Map> deserialize(const std::optional<QVariant>& stored) {
        if (!stored || !accepts(*stored))
            return std::nullopt;
        Map map;
        const QVariantMap entries = stored->toMap();
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            auto key = detail::MapKey<K>::fromString(it.key());
            auto item = BridgeOf<V>::deserialize(it.value());
            if (key && item)
                map.insert(std::move(*key), std::move(*item));
        }
        return map;
    }
};

// A map is written as a property-list dictionary as it stands when its keys are
// strings and its values natively stored; any other map goes through the
// bridge, which writes each key's string form.
template <class Map> struct MapSerializable {
    using K = typename Map::key_type;
    using V = typename Map::mapped_type;
    static constexpr bool isNativelyStored =
        std::same_as<K, QString> && Serializable<V>::isNativelyStored;
    using Bridge = DictionaryBridge<Map>;
    static QVariant toNative(const Map& value) requires isNativelyStored {
        QVariantMap stored;
        for (auto it = value.cbegin(); it != value.cend(); ++it)
            stored.insert(it.key(), Serializable<V>::toNative(it.value()));
        return stored;
    }
    static std::optional<Map> fromNative(const QVariant& stored) requires isNativelyStored {
        if (stored.typeId() != QMetaType::QVariantMap)
            return std::nullopt;
        Map map;
        const QVariantMap entries = stored.toMap();
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            auto item = Serializable<V>::fromNative(it.value());
            if (!item)
                return std::nullopt;
            map.insert(it.key(), std::move(*item));
        }
        return map;
    }
};

template <class K, DefaultsSerializable V>
requires requires {
    detail::MapKey<K>::toString;
}
struct Serializable<QMap<K, V>> : MapSerializable<QMap<K, V>> {};

template <class K, DefaultsSerializable V>
requires requires {
    detail::MapKey<K>::toString;
}
struct Serializable<QHash<K, V>> : MapSerializable<QHash<K, V>> {};

// --- Sets --------------------------------------------------------------------

// A set is stored as a list; duplicates in a stored list merge on reading.
template <DefaultsSerializable E> struct SetBridge {
    using Value = QSet<E>;
    static bool accepts(const QVariant& stored) {
        return stored.typeId() == QMetaType::QVariantList;
    }
    static std::optional<QVariant> serialize(const std::optional<Value>& value) {
        if (!value)
            return std::nullopt;
        QVariantList stored;
        for (const E& element : *value) {
            if constexpr (Serializable<E>::isNativelyStored)
                stored.push_back(Serializable<E>::toNative(element));
            else if (auto item = BridgeOf<E>::serialize(element))
                stored.push_back(std::move(*item));
        }
        return QVariant(stored);
    }
    static std::optional<Value> deserialize(const std::optional<QVariant>& stored) {
        if (!stored || !accepts(*stored))
            return std::nullopt;
        const QVariantList items = stored->toList();
        if constexpr (Serializable<E>::isNativelyStored) {
            auto elements = detail::allNative<E>(items);
            if (!elements)
                return std::nullopt;
            return Value(elements->begin(), elements->end());
        } else {
            if (!detail::allAcceptedByBridge<E>(items))
                return std::nullopt;
            Value set;
            for (const QVariant& item : items) {
                if (auto element = BridgeOf<E>::deserialize(item))
                    set.insert(std::move(*element));
            }
            return set;
        }
    }
};

template <DefaultsSerializable E> struct Serializable<QSet<E>> : detail::Bridged<SetBridge<E>> {};

} // namespace Defaults
