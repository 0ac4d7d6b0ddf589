// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/sim/SimHotKeys.h"

namespace platform::sim {

std::optional<HotKeys::Handle> SimHotKeys::registerHotKey(std::uint32_t keyCode,
                                                          std::uint32_t modifiers, Id id) {
    if (!isAvailable_ || taken_.contains({keyCode, modifiers}))
        return std::nullopt;
    const Handle handle = nextHandle_++;
    registrations_.emplace(handle, Registration{keyCode, modifiers, id});
    return handle;
}

void SimHotKeys::unregisterHotKey(Handle handle) {
    registrations_.erase(handle);
}

void SimHotKeys::installHandler(Handler handler) {
    HotKeys::installHandler(std::move(handler));
    ++handlerInstalls_;
}

void SimHotKeys::addEventKinds(std::initializer_list<EventKind> kinds) {
    HotKeys::addEventKinds(kinds);
    for (EventKind kind : kinds)
        kindChanges_.emplace_back(true, kind);
}

void SimHotKeys::removeEventKinds(std::initializer_list<EventKind> kinds) {
    HotKeys::removeEventKinds(kinds);
    for (EventKind kind : kinds)
        kindChanges_.emplace_back(false, kind);
}

bool SimHotKeys::isTakenBySystem(std::uint32_t keyCode, std::uint32_t modifiers) {
    return taken_.contains({keyCode, modifiers});
}

void SimHotKeys::takeBySystem(std::uint32_t keyCode, std::uint32_t modifiers) {
    taken_.insert({keyCode, modifiers});
}

bool SimHotKeys::press(std::uint32_t keyCode, std::uint32_t modifiers, bool down) {
    for (const auto& [handle, registration] : registrations_) {
        if (registration.keyCode == keyCode && registration.modifiers == modifiers)
            return deliver({down ? EventKind::HotKeyPressed : EventKind::HotKeyReleased,
                            registration.id, keyCode, modifiers});
    }
    return deliver({down ? EventKind::RawKeyDown : EventKind::RawKeyUp, {}, keyCode, modifiers});
}

} // namespace platform::sim
