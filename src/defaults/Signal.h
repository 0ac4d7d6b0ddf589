// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <cstdint>
#include <functional>
#include <map>

namespace Defaults {

// A list of callbacks to call together; for use on one thread. Callbacks may
// connect or disconnect others (or themselves) while being called.
template <class... Args> class Signal {
public:
    using Slot = std::function<void(Args...)>;
    using ConnectionId = std::uint64_t;

    ConnectionId connect(Slot slot) {
        const ConnectionId id = nextId_++;
        slots_.emplace(id, std::move(slot));
        return id;
    }
    void disconnect(ConnectionId id) { slots_.erase(id); }
    void send(Args... args) const {
        const auto snapshot = slots_;
        for (const auto& [id, slot] : snapshot) {
            if (slots_.contains(id))
                slot(args...);
        }
    }

private:
    std::map<ConnectionId, Slot> slots_;
    ConnectionId nextId_ = 1;
};

} // namespace Defaults
