// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Key.h"

namespace Defaults {

enum class Version { v5 = 5 };

// Rewrites an entry kept in the older stored form (every kind as a JSON
// document in a string) in today's form. Entries that are absent, not a
// string, or not a JSON document of the key's kind are left as they are.
template <class V> void migrate(const Key<V>& key, Version = Version::v5) {
    const auto text = key.suite().string(key.name());
    if (!text)
        return;
    if (auto value = decodeJsonDocument<V>(Utf8(*text)))
        set(key, *value);
}

template <class... V> void migrate(Version version, const Key<V>&... keys) {
    (migrate(keys, version), ...);
}

} // namespace Defaults
