// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/XcbHotKeys.h"

#include "platform/KeyCodes.h"
#include "platform/linux/tray/XcbReply.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <vector>

namespace platform::xdg {

namespace {

constexpr std::uint32_t numLockKeysym = 0xff7f;
constexpr std::uint16_t modifierMask =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

// Alt is the X11 Option, Super the Command.
std::uint16_t x11Modifiers(std::uint32_t classic) {
    std::uint16_t mask = 0;
    if (classic & ClassicModifier::shift)
        mask |= XCB_MOD_MASK_SHIFT;
    if (classic & ClassicModifier::control)
        mask |= XCB_MOD_MASK_CONTROL;
    if (classic & ClassicModifier::option)
        mask |= XCB_MOD_MASK_1;
    if (classic & ClassicModifier::command)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

// The key that produces `keysym` in the current layout, unshifted or shifted.
std::optional<std::uint8_t> keycodeFor(xcb_connection_t* connection, std::uint32_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const XcbReply<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, std::uint8_t(count)),
        nullptr));
    if (!mapping)
        return std::nullopt;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKeycode = mapping->keysyms_per_keycode;
    for (int index = 0; index < count; ++index)
        for (int column = 0; column < std::min(perKeycode, 2); ++column)
            if (keysyms[index * perKeycode + column] == keysym)
                return std::uint8_t(setup->min_keycode + index);
    return std::nullopt;
}

} // namespace

XcbHotKeys::XcbHotKeys() {
    connection_ = applicationConnection();
    if (!connection_)
        return;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    QCoreApplication::instance()->installNativeEventFilter(this);
}

XcbHotKeys::~XcbHotKeys() {
    if (!connection_)
        return;
    for (const auto& [handle, grab] : grabs_)
        ungrab(grab, 0xffff);
    xcb_flush(connection_);
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

std::optional<HotKeys::Handle> XcbHotKeys::registerHotKey(std::uint32_t keyCode,
                                                          std::uint32_t modifiers, Id id) {
    auto wanted = grabFor(keyCode, modifiers);
    if (!wanted)
        return std::nullopt;
    wanted->id = id;
    if (!grab(*wanted))
        return std::nullopt;
    const Handle handle = nextHandle_++;
    grabs_.emplace(handle, *wanted);
    return handle;
}

void XcbHotKeys::unregisterHotKey(Handle handle) {
    const auto found = grabs_.find(handle);
    if (found == grabs_.end())
        return;
    const Grab grab = found->second;
    grabs_.erase(found);
    // Another registration of ours may hold the same combination.
    for (const auto& [other, held] : grabs_)
        if (held.keycode == grab.keycode && held.modifiers == grab.modifiers)
            return;
    ungrab(grab, 0xffff);
    xcb_flush(connection_);
}

// Probes with a grab of our own, given back at once. A combination that we
// hold ourselves is not the system's.
bool XcbHotKeys::isTakenBySystem(std::uint32_t keyCode, std::uint32_t modifiers) {
    const auto probe = grabFor(keyCode, modifiers);
    if (!probe)
        return false;
    for (const auto& [handle, held] : grabs_)
        if (held.keycode == probe->keycode && held.modifiers == probe->modifiers)
            return false;
    if (!grab(*probe))
        return true;
    ungrab(*probe, 0xffff);
    xcb_flush(connection_);
    return false;
}

std::optional<XcbHotKeys::Grab> XcbHotKeys::grabFor(std::uint32_t keyCode,
                                                    std::uint32_t modifiers) const {
    const auto key = keyForClassicCode(keyCode);
    if (!connection_ || !key)
        return std::nullopt;
    const auto keycode = keycodeFor(connection_, key->keysym);
    if (!keycode)
        return std::nullopt;
    return Grab{*keycode, x11Modifiers(modifiers), {}};
}

// All four lock variants or none: a refused variant gives back the ones
// already taken.
bool XcbHotKeys::grab(const Grab& grab) {
    const auto variants = lockVariants();
    std::vector<xcb_void_cookie_t> cookies;
    // Not owner events: the press comes to the root window even when one of
    // our own windows has the focus, where the filter looks for it.
    for (std::uint16_t variant : variants)
        cookies.push_back(
            xcb_grab_key_checked(connection_, 0, root_, std::uint16_t(grab.modifiers | variant),
                                 grab.keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    std::uint16_t taken = 0;
    bool refused = false;
    for (std::size_t index = 0; index < cookies.size(); ++index) {
        const XcbReply<xcb_generic_error_t> error(xcb_request_check(connection_, cookies[index]));
        // BadAccess: another program holds the combination.
        if (error)
            refused = true;
        else
            taken |= std::uint16_t(1u << index);
    }
    if (refused)
        ungrab(grab, taken);
    xcb_flush(connection_);
    return !refused;
}

// `which` picks, bit by bit, which of the four lock variants to give back.
void XcbHotKeys::ungrab(const Grab& grab, std::uint16_t which) {
    const auto variants = lockVariants();
    for (std::size_t index = 0; index < variants.size(); ++index)
        if (which & (1u << index))
            xcb_ungrab_key(connection_, grab.keycode, root_,
                           std::uint16_t(grab.modifiers | variants[index]));
}

// No lock, Caps Lock, Num Lock, both.
std::array<std::uint16_t, 4> XcbHotKeys::lockVariants() const {
    const std::uint16_t numLock = numLockMask();
    return {0, XCB_MOD_MASK_LOCK, numLock, std::uint16_t(XCB_MOD_MASK_LOCK | numLock)};
}

// Num Lock is whichever modifier the keyboard's Num_Lock key is mapped to.
std::uint16_t XcbHotKeys::numLockMask() const {
    const auto numLockKey = keycodeFor(connection_, numLockKeysym);
    const XcbReply<xcb_get_modifier_mapping_reply_t> mapping(xcb_get_modifier_mapping_reply(
        connection_, xcb_get_modifier_mapping(connection_), nullptr));
    if (!numLockKey || !mapping)
        return 0;
    const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier)
        for (int index = 0; index < perModifier; ++index)
            if (keycodes[modifier * perModifier + index] == *numLockKey)
                return std::uint16_t(1u << modifier);
    return 0;
}

bool XcbHotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* generic = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = generic->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const auto* key = static_cast<const xcb_key_press_event_t*>(message);
    if (key->event != root_)
        return false;
    if (type == XCB_KEY_RELEASE) {
        const auto pressed = held_.find(key->detail);
        if (pressed == held_.end())
            return false;
        const auto grab = grabs_.find(pressed->second);
        held_.erase(pressed);
        return grab != grabs_.end() && deliver({EventKind::HotKeyReleased, grab->second.id, 0, 0});
    }
    const std::uint16_t modifiers = key->state & modifierMask;
    for (const auto& [handle, grab] : grabs_) {
        if (grab.keycode == key->detail && grab.modifiers == modifiers) {
            held_[key->detail] = handle;
            return deliver({EventKind::HotKeyPressed, grab.id, 0, 0});
        }
    }
    return false;
}

} // namespace platform::xdg
