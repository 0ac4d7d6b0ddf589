// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>
#include <QVariant>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

namespace Defaults {

// Who wants to hear about which key of a preferences domain, and telling them.
// Observers run on the telling thread with no lock held, so they may write,
// add and remove observers, including themselves, from inside their call; one
// removed is not called again, even by a telling already under way.
class KeyObservers {
public:
    // What observers are told. An invalid QVariant means "no value".
    struct Change {
        bool isPrior = false;
        QVariant newValue;
        QVariant oldValue;
    };
    enum Option : unsigned { Initial = 1u << 0, Prior = 1u << 1 };
    using Options = unsigned;
    using Id = std::uint64_t;
    using Observer = std::function<void(const Change&)>;

    // Registers `observer`; with Initial it is then called at once with the
    // value `current` gives.
    Id add(const QString& key, Options options, Observer observer,
           const std::function<QVariant()>& current);
    void remove(Id id);

    // Tells the key's observers about a change (prior ones only those that asked).
    void notify(const QString& key, const Change& change) const;
    // The prior notice, then the change itself.
    void tell(const QString& key, const QVariant& oldValue, const QVariant& newValue) const;

private:
    struct Entry {
        Id id = 0;
        Options options = 0;
        Observer callback;
        std::atomic<bool> active{true};
    };

    mutable std::mutex mutex_;
    std::multimap<QString, std::shared_ptr<Entry>> entries_;
    std::atomic<Id> nextId_{1};
};

} // namespace Defaults
