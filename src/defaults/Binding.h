// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <functional>
#include <utility>

namespace Defaults {

// A two-way connection to a value that lives elsewhere: reading asks its
// owner, writing hands the new value to its owner. Controls and descriptions
// that show a value and may change it hold one instead of the value.
template <class T> class Binding {
public:
    Binding(std::function<T()> get, std::function<void(const T&)> set)
        : get_(std::move(get))
        , set_(std::move(set)) {}

    T get() const { return get_(); }
    void set(const T& value) const { set_(value); }

private:
    std::function<T()> get_;
    std::function<void(const T&)> set_;
};

} // namespace Defaults
