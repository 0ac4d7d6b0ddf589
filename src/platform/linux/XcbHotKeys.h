// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/HotKeys.h"

#include <QAbstractNativeEventFilter>

#include <array>
#include <map>

struct xcb_connection_t;

namespace platform::xdg {

// Hot keys on X11: each combination is grabbed on the root window, once for
// every state of the lock keys (none, Caps Lock, Num Lock, both), so it fires
// whatever those locks say. A combination that another program has grabbed
// is refused. Presses and releases arrive through Qt's native event filter.
//
// Without an X11 display (a Wayland session) there is no such grab: it is not
// available, and every registration is refused.
class XcbHotKeys final : public HotKeys, public QAbstractNativeEventFilter {
public:
    // Uses the application's own X11 connection, when it has one.
    XcbHotKeys();
    ~XcbHotKeys() override;
    XcbHotKeys(const XcbHotKeys&) = delete;
    XcbHotKeys& operator=(const XcbHotKeys&) = delete;

    bool isAvailable() override { return connection_ != nullptr; }
    std::optional<Handle> registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                         Id id) override;
    void unregisterHotKey(Handle handle) override;
    bool isTakenBySystem(std::uint32_t keyCode, std::uint32_t modifiers) override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Grab {
        std::uint8_t keycode = 0;
        std::uint16_t modifiers = 0;
        Id id;
    };

    std::optional<Grab> grabFor(std::uint32_t keyCode, std::uint32_t modifiers) const;
    bool grab(const Grab& grab);
    void ungrab(const Grab& grab, std::uint16_t which);
    std::array<std::uint16_t, 4> lockVariants() const;
    std::uint16_t numLockMask() const;

    xcb_connection_t* connection_ = nullptr;
    std::uint32_t root_ = 0;
    std::map<Handle, Grab> grabs_;
    // The grab each held key was pressed as, so its release is reported even
    // when a modifier went up first.
    std::map<std::uint8_t, Handle> held_;
    Handle nextHandle_ = 1;
};

} // namespace platform::xdg
