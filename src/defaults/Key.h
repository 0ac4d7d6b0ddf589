// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/AnySerializable.h"
#include "defaults/CollectionBridges.h"
#include "defaults/Serializable.h"
#include "defaults/UserDefaults.h"
#include "defaults/ValueBridges.h"

#include <initializer_list>
#include <memory>
#include <utility>

namespace Defaults {

// A typed handle on one entry of a preferences domain. Keys of different kinds
// can be kept together as Keys.
class Keys {
public:
    Keys(QString name, std::shared_ptr<UserDefaults> suite);
    virtual ~Keys() = default;

    const QString& name() const { return name_; }
    UserDefaults& suite() const { return *suite_; }
    const std::shared_ptr<UserDefaults>& suitePointer() const { return suite_; }

    // The same entry: equal names in the same domain object.
    friend bool operator==(const Keys& a, const Keys& b) {
        return a.name_ == b.name_ && a.suite_ == b.suite_;
    }

private:
    QString name_;
    std::shared_ptr<UserDefaults> suite_;
};

size_t qHash(const Keys& key, size_t seed = 0);

namespace detail {
template <class T> inline constexpr bool isOptional = false;
template <class W> inline constexpr bool isOptional<std::optional<W>> = true;

// Values that stand for "nothing": an empty optional, an AnySerializable
// without a value. Writing one removes the entry.
template <class T> bool isNilValue(const T&) {
    return false;
}
template <class W> bool isNilValue(const std::optional<W>& value) {
    return !value.has_value();
}
inline bool isNilValue(const AnySerializable& value) {
    return value.isNilValue();
}
} // namespace detail

template <DefaultsSerializable V> class Key : public Keys {
public:
    // Registers the default's stored form with the domain, so that every
    // reader of the domain sees it, unless the default is nothing or has no
    // stored form.
    Key(QString name, V defaultValue, std::shared_ptr<UserDefaults> suite)
        : Keys(std::move(name), std::move(suite))
        , defaultValue_(std::move(defaultValue)) {
        if (detail::isNilValue(defaultValue_))
            return;
        if (auto stored = toStoredForm(defaultValue_))
            this->suite().registerDefaults({{this->name(), *stored}});
    }

    // An optional key whose default is none.
    explicit Key(QString name, std::shared_ptr<UserDefaults> suite) requires detail::isOptional<V>
        : Key(std::move(name), V(), std::move(suite)) {}

    const V& defaultValue() const { return defaultValue_; }

private:
    V defaultValue_;
};

// What `stored` reads as under this key: the key's default when it is nothing
// or does not read as V.
template <class V> V valueOf(const Key<V>& key, const QVariant& stored) {
    if (!stored.isValid())
        return key.defaultValue();
    if (auto value = fromStoredForm<V>(stored))
        return std::move(*value);
    return key.defaultValue();
}

// The stored value, or the key's default when nothing is stored or what is
// stored does not read as V. Never writes.
template <class V> V get(const Key<V>& key) {
    return valueOf(key, key.suite().object(key.name()));
}

// Stores `value` explicitly, also when it equals the default. A value that is
// nothing, or has no stored form, removes the entry.
template <class V> void set(const Key<V>& key, const V& value) {
    if (detail::isNilValue(value)) {
        key.suite().removeObject(key.name());
        return;
    }
    if (auto stored = toStoredForm(value))
        key.suite().set(*stored, key.name());
    else
        key.suite().removeObject(key.name());
}

// Reads, lets `mutate` change the value in place, and writes it back: exactly
// one write, also when nothing changed. Atomic against other writers, in this
// process or another (see UserDefaults::update): the value `mutate` is given
// is the one in the file now, never an older view of it. `mutate` must not
// touch the domain.
template <class V, class Mutation> void modify(const Key<V>& key, Mutation&& mutate) {
    key.suite().update(key.name(), [&](const QVariant& current) -> std::optional<QVariant> {
        V value = valueOf(key, current);
        mutate(value);
        if (detail::isNilValue(value))
            return std::nullopt;
        return toStoredForm(value);
    });
}

// True when reading the key gives its default (nothing stored, something
// unreadable stored, or the default stored explicitly).
template <class V> bool isAtDefault(const Key<V>& key) {
    return get(key) == key.defaultValue();
}

// Removes the stored entry, so reads give the registered default again.
void reset(const Keys& key);
void reset(std::initializer_list<std::reference_wrapper<const Keys>> keys);
void reset(const QStringList& names, UserDefaults& suite);

// Removes every stored entry of the domain, declared as a key or not.
void removeAll(UserDefaults& suite);

} // namespace Defaults
