// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/HotKeys.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

namespace platform::sim {

// Hot keys a test inspects and presses. Combinations the test marks as taken
// are refused, as another program's grab would be.
class SimHotKeys final : public HotKeys {
public:
    struct Registration {
        std::uint32_t keyCode = 0;
        std::uint32_t modifiers = 0;
        Id id;
    };

    bool isAvailable() override { return isAvailable_; }
    std::optional<Handle> registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                         Id id) override;
    void unregisterHotKey(Handle handle) override;
    void installHandler(Handler handler) override;
    void addEventKinds(std::initializer_list<EventKind> kinds) override;
    void removeEventKinds(std::initializer_list<EventKind> kinds) override;
    bool isTakenBySystem(std::uint32_t keyCode, std::uint32_t modifiers) override;
    // Its menus keep the Command key.
    std::uint32_t menuCommandModifier() const override { return ClassicModifier::command; }

    // Controls for tests.
    // A desktop without hot keys refuses every registration.
    void setAvailable(bool available) { isAvailable_ = available; }
    void takeBySystem(std::uint32_t keyCode, std::uint32_t modifiers);
    // Presses (down) or releases (!down) the combination: a registered hot key
    // is reported as one, otherwise the key goes out as a raw key event; either
    // only when its kind is asked for. Returns whether the handler took it.
    bool press(std::uint32_t keyCode, std::uint32_t modifiers, bool down = true);

    const std::map<Handle, Registration>& registrations() const { return registrations_; }
    using HotKeys::eventKinds;
    using HotKeys::hasHandler;
    int handlerInstallCount() const { return handlerInstalls_; }
    // Each change of the asked-for kinds, in order: (added, kind).
    const std::vector<std::pair<bool, EventKind>>& kindChanges() const { return kindChanges_; }

private:
    std::map<Handle, Registration> registrations_;
    std::set<std::pair<std::uint32_t, std::uint32_t>> taken_;
    std::vector<std::pair<bool, EventKind>> kindChanges_;
    int handlerInstalls_ = 0;
    Handle nextHandle_ = 1;
    bool isAvailable_ = true;
};

} // namespace platform::sim
