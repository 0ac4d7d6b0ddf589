// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/Key.h"

namespace Defaults {

Keys::Keys(QString name, std::shared_ptr<UserDefaults> suite)
    : name_(std::move(name))
    , suite_(std::move(suite)) {
    Q_ASSERT(suite_);
}

size_t qHash(const Keys& key, size_t seed) {
    return qHashMulti(seed, key.name(), reinterpret_cast<quintptr>(key.suitePointer().get()));
}

void reset(const Keys& key) {
    key.suite().removeObject(key.name());
}

void reset(std::initializer_list<std::reference_wrapper<const Keys>> keys) {
    for (const Keys& key : keys)
        reset(key);
}

void reset(const QStringList& names, UserDefaults& suite) {
    for (const QString& name : names)
        suite.removeObject(name);
}

void removeAll(UserDefaults& suite) {
    const QVariantMap everything = suite.dictionaryRepresentation();
    for (auto it = everything.keyBegin(); it != everything.keyEnd(); ++it)
        suite.removeObject(*it);
}

} // namespace Defaults
