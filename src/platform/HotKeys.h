// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/KeyCodes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <set>

namespace platform {

// The desktop's system-wide hot keys: a key with modifiers (classic key code
// and modifier mask, see KeyCodes.h) is registered under an identifier, and
// its presses and releases come to one handler while the event kinds that
// carry them are asked for.
class HotKeys {
public:
    struct Id {
        std::uint32_t signature = 0;
        std::uint32_t id = 0;
        bool operator==(const Id&) const = default;
    };
    // What a registration is known by until it is removed.
    using Handle = std::uint64_t;

    enum class EventKind { RawKeyDown = 1, RawKeyUp = 3, HotKeyPressed = 5, HotKeyReleased = 6 };
    // A pressed or released hot key carries its identifier; a raw key its
    // key code and modifiers.
    struct Event {
        EventKind kind = EventKind::HotKeyPressed;
        Id hotKeyId;
        std::uint32_t keyCode = 0;
        std::uint32_t modifiers = 0;
    };
    // Returns whether the event was handled.
    using Handler = std::function<bool(const Event&)>;

    virtual ~HotKeys() = default;

    // Whether this desktop offers system-wide hot keys at all; where it does
    // not, every registration is refused and a recorder says why.
    virtual bool isAvailable() { return true; }
    // None when the desktop refuses the combination (another program owns it,
    // or this desktop offers no hot keys); then nothing is registered.
    virtual std::optional<Handle> registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                                 Id id) = 0;
    virtual void unregisterHotKey(Handle handle) = 0;
    // The one handler of this process; events reach it only for the kinds
    // asked for below.
    virtual void installHandler(Handler handler) { handler_ = std::move(handler); }
    virtual void addEventKinds(std::initializer_list<EventKind> kinds) { kinds_.insert(kinds); }
    virtual void removeEventKinds(std::initializer_list<EventKind> kinds) {
        for (EventKind kind : kinds)
            kinds_.erase(kind);
    }
    // Whether the desktop or another program already uses the combination
    // system-wide, so that a recorder can refuse it.
    virtual bool isTakenBySystem(std::uint32_t keyCode, std::uint32_t modifiers) = 0;
    // The classic modifier that a menu item's Command key stands for: menus on
    // Linux desktops put Control where the original desktop puts Command.
    virtual std::uint32_t menuCommandModifier() const { return ClassicModifier::control; }

protected:
    // Hands `event` to the handler if its kind is asked for; returns whether
    // the handler took it.
    bool deliver(const Event& event) const {
        return handler_ && kinds_.contains(event.kind) && handler_(event);
    }
    const std::set<EventKind>& eventKinds() const { return kinds_; }
    bool hasHandler() const { return static_cast<bool>(handler_); }

private:
    std::set<EventKind> kinds_;
    Handler handler_;
};

} // namespace platform
