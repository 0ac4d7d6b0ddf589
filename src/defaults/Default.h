// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Binding.h"
#include "defaults/Observable.h"

namespace Defaults {

// A preference as a view holds it: reading gives the key's current value (the
// stored one, or the default), writing tells the view's observers that a
// change is coming and then stores the value. objectWillChange() fires on the
// main queue whenever the key changes, whoever changed it, so the view redraws.
template <class V> class Default {
public:
    Default(Key<V> key, platform::MainQueue& queue)
        : observable_(std::move(key), queue) {}

    const Key<V>& key() const { return observable_.key(); }
    V value() const { return observable_.value(); }
    void setValue(const V& value) { observable_.setValue(value); }
    // The same preference as a two-way binding, for controls; it refers to
    // this object and must not outlive it.
    Binding<V> binding() {
        return Binding<V>([this] { return value(); }, [this](const V& value) { setValue(value); });
    }
    Signal<>& objectWillChange() { return observable_.objectWillChange; }

private:
    Observable<V> observable_;
};

} // namespace Defaults
