// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/KeyObservers.h"

#include <vector>

namespace Defaults {

KeyObservers::Id KeyObservers::add(const QString& key, Options options, Observer observer,
                                   const std::function<QVariant()>& current) {
    auto entry = std::make_shared<Entry>();
    entry->options = options;
    entry->callback = std::move(observer);
    const Id id = nextId_++;
    {
        std::lock_guard lock(mutex_);
        entries_.emplace(key, entry);
        entry->id = id;
    }
    if (options & Initial)
        entry->callback({false, current(), QVariant()});
    return id;
}

void KeyObservers::remove(Id id) {
    std::lock_guard lock(mutex_);
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->second->id == id) {
            it->second->active = false;
            entries_.erase(it);
            return;
        }
    }
}

void KeyObservers::notify(const QString& key, const Change& change) const {
    std::vector<std::shared_ptr<Entry>> targets;
    {
        std::lock_guard lock(mutex_);
        for (auto [it, end] = entries_.equal_range(key); it != end; ++it)
            targets.push_back(it->second);
        for (auto [it, end] = entries_.equal_range(QString()); it != end && !key.isEmpty(); ++it)
            targets.push_back(it->second);
    }
    for (const auto& entry : targets) {
        if (!entry->active)
            continue;
        if (change.isPrior && !(entry->options & Prior))
            continue;
        entry->callback(change);
    }
}

void KeyObservers::tell(const QString& key, const QVariant& oldValue,
                        const QVariant& newValue) const {
    notify(key, {true, QVariant(), oldValue});
    notify(key, {false, newValue, oldValue});
}

} // namespace Defaults
