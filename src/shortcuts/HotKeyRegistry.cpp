// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "shortcuts/HotKeyRegistry.h"

#include <QtGlobal>

#include <limits>

namespace shortcuts {

using Kind = platform::HotKeys::EventKind;

HotKeyRegistry::HotKeyRegistry(platform::HotKeys& hotKeys, MenuOpenFlag& menuOpen)
    : hotKeys_(hotKeys)
    , menuOpen_(menuOpen)
    , menuConnection_(menuOpen.changed.connect([this](bool) { updateEventKinds(); })) {}

HotKeyRegistry::~HotKeyRegistry() {
    menuOpen_.changed.disconnect(menuConnection_);
    unregisterAll();
}

std::optional<std::uint32_t> HotKeyRegistry::registerShortcut(const Shortcut& shortcut,
                                                              Closure onKeyDown, Closure onKeyUp) {
    constexpr auto max = std::numeric_limits<std::uint32_t>::max();
    if (lastId_ == max)
        qFatal("Gapsel/JXKit: no hot-key identifiers are left");
    if (shortcut.carbonKeyCode < 0 || shortcut.carbonKeyCode > max ||
        shortcut.carbonModifiers < 0 || shortcut.carbonModifiers > max)
        qFatal("Gapsel/JXKit: a shortcut's key code and modifiers must fit in 32 bits");
    const std::uint32_t id = ++lastId_;
    const auto handle = registerWithDesktop(shortcut, id);
    if (!handle)
        return std::nullopt;
    records_.emplace(id, Record{shortcut, handle, std::move(onKeyDown), std::move(onKeyUp)});
    if (!handlerInstalled_)
        installHandler();
    else if (!isListening())
        // The registration only proved the combination is free: while
        // shortcuts are suspended or a menu is open, holding the grab would
        // swallow the keys everywhere without reporting them.
        unregisterAll();
    return id;
}

void HotKeyRegistry::unregister(std::uint32_t id) {
    const auto found = records_.find(id);
    if (found == records_.end())
        return;
    if (found->second.handle)
        hotKeys_.unregisterHotKey(*found->second.handle);
    records_.erase(found);
}

void HotKeyRegistry::setEnabled(bool enabled) {
    if (enabled == isEnabled_)
        return;
    isEnabled_ = enabled;
    updateEventKinds();
}

void HotKeyRegistry::installHandler() {
    hotKeys_.installHandler(
        [this](const platform::HotKeys::Event& event) { return handle(event); });
    handlerInstalled_ = true;
    updateEventKinds();
}

void HotKeyRegistry::updateEventKinds() {
    if (!handlerInstalled_)
        return;
    if (!isEnabled_) {
        unregisterAll();
        hotKeys_.removeEventKinds(
            {Kind::HotKeyPressed, Kind::HotKeyReleased, Kind::RawKeyDown, Kind::RawKeyUp});
    } else if (!menuOpen_.isOpen()) {
        registerAll();
        hotKeys_.removeEventKinds({Kind::RawKeyDown, Kind::RawKeyUp});
        hotKeys_.addEventKinds({Kind::HotKeyPressed, Kind::HotKeyReleased});
    } else {
        unregisterAll();
        hotKeys_.removeEventKinds({Kind::HotKeyPressed, Kind::HotKeyReleased});
        hotKeys_.addEventKinds({Kind::RawKeyDown, Kind::RawKeyUp});
    }
}

// A combination that another program took meanwhile stays unregistered (and
// silent) until the next time the registry registers again.
void HotKeyRegistry::registerAll() {
    for (auto& [id, record] : records_)
        if (!record.handle)
            record.handle = registerWithDesktop(record.shortcut, id);
}

void HotKeyRegistry::unregisterAll() {
    for (auto& [id, record] : records_)
        if (const auto handle = std::exchange(record.handle, std::nullopt))
            hotKeys_.unregisterHotKey(*handle);
}

std::optional<platform::HotKeys::Handle>
HotKeyRegistry::registerWithDesktop(const Shortcut& shortcut, std::uint32_t id) {
    return hotKeys_.registerHotKey(static_cast<std::uint32_t>(shortcut.carbonKeyCode),
                                   static_cast<std::uint32_t>(shortcut.carbonModifiers),
                                   {signature, id});
}

bool HotKeyRegistry::handle(const platform::HotKeys::Event& event) {
    switch (event.kind) {
    case Kind::HotKeyPressed:
    case Kind::HotKeyReleased:
        return handleHotKey(event);
    case Kind::RawKeyDown:
    case Kind::RawKeyUp:
        return handleRawKey(event);
    }
    return false;
}

bool HotKeyRegistry::handleHotKey(const platform::HotKeys::Event& event) {
    if (event.hotKeyId.signature != signature)
        return false;
    const auto found = records_.find(event.hotKeyId.id);
    if (found == records_.end())
        return false;
    // A copy: the closure may unregister its own shortcut.
    const Record record = found->second;
    const Closure& closure = event.kind == Kind::HotKeyPressed ? record.onKeyDown : record.onKeyUp;
    if (closure)
        closure(record.shortcut);
    return true;
}

bool HotKeyRegistry::handleRawKey(const platform::HotKeys::Event& event) {
    const Shortcut pressed{event.keyCode, Shortcut::normalized(event.modifiers)};
    for (const auto& [id, entry] : records_) {
        if (entry.shortcut != pressed)
            continue;
        const Record record = entry;
        const Closure& closure = event.kind == Kind::RawKeyDown ? record.onKeyDown : record.onKeyUp;
        if (closure)
            closure(record.shortcut);
        return true;
    }
    return false;
}

} // namespace shortcuts
