// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/HotKeys.h"
#include "shortcuts/MenuOpenFlag.h"
#include "shortcuts/Shortcut.h"

#include <functional>
#include <map>
#include <optional>

namespace shortcuts {

// The shortcuts registered with the desktop's hot keys, by identifier, and
// the one event handler that reports their presses and releases. Hot keys are
// reported while shortcuts are enabled and no menu is open; while a menu is
// open the same shortcuts are matched against raw key events instead.
class HotKeyRegistry {
public:
    using Closure = std::function<void(const Shortcut&)>;
    // 'JXKS': marks the hot keys that are ours.
    static constexpr std::uint32_t signature = 0x4A584B53;

    HotKeyRegistry(platform::HotKeys& hotKeys, MenuOpenFlag& menuOpen);
    ~HotKeyRegistry();
    HotKeyRegistry(const HotKeyRegistry&) = delete;
    HotKeyRegistry& operator=(const HotKeyRegistry&) = delete;

    // The identifier of the new registration, or none when the desktop
    // refused the combination (then nothing is kept).
    std::optional<std::uint32_t> registerShortcut(const Shortcut& shortcut, Closure onKeyDown,
                                                  Closure onKeyUp);
    void unregister(std::uint32_t id);

    bool isEnabled() const { return isEnabled_; }
    // False suspends every registered shortcut.
    void setEnabled(bool enabled);

private:
    struct Record {
        Shortcut shortcut;
        std::optional<platform::HotKeys::Handle> handle;
        Closure onKeyDown;
        Closure onKeyUp;
    };

    bool isListening() const { return isEnabled_ && !menuOpen_.isOpen(); }
    void installHandler();
    void updateEventKinds();
    void registerAll();
    void unregisterAll();
    std::optional<platform::HotKeys::Handle> registerWithDesktop(const Shortcut& shortcut,
                                                                 std::uint32_t id);
    bool handle(const platform::HotKeys::Event& event);
    bool handleHotKey(const platform::HotKeys::Event& event);
    bool handleRawKey(const platform::HotKeys::Event& event);

    platform::HotKeys& hotKeys_;
    MenuOpenFlag& menuOpen_;
    Defaults::Signal<bool>::ConnectionId menuConnection_;
    std::map<std::uint32_t, Record> records_;
    std::uint32_t lastId_ = 0;
    bool handlerInstalled_ = false;
    bool isEnabled_ = true;
};

} // namespace shortcuts
