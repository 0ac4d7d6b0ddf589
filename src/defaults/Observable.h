// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Observation.h"
#include "defaults/Signal.h"
#include "platform/MainQueue.h"

namespace Defaults {

// A key as an object that views redraw from: `objectWillChange` fires on the
// main queue whenever the key changes, whoever changed it (once soon after
// creation, for the initial value), and once more, synchronously, right before
// a write made through setValue().
template <class V> class Observable {
public:
    Observable(Key<V> key, platform::MainQueue& queue)
        : key_(std::move(key))
        , alive_(std::make_shared<Observable*>(this)) {
        std::weak_ptr<Observable*> weakSelf = alive_;
        observation_ = std::make_unique<UserDefaultsKeyObservation>(
            key_.suitePointer(), key_.name(), [weakSelf, &queue](const BaseChange&) {
                queue.async([weakSelf] {
                    if (auto self = weakSelf.lock())
                        (*self)->objectWillChange.send();
                });
            });
        observation_->start({.initial = true});
    }
    ~Observable() {
        observation_->invalidate();
        alive_.reset();
    }
    Observable(const Observable&) = delete;
    Observable& operator=(const Observable&) = delete;

    const Key<V>& key() const { return key_; }
    V value() const { return get(key_); }
    void setValue(const V& value) {
        objectWillChange.send();
        set(key_, value);
    }

    Signal<> objectWillChange;

private:
    Key<V> key_;
    std::shared_ptr<Observable*> alive_;
    std::unique_ptr<UserDefaultsKeyObservation> observation_;
};

} // namespace Defaults
