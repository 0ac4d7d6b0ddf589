// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QByteArray>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace platform::xdg {

struct XcbFree {
    void operator()(void* pointer) const { std::free(pointer); }
};
// A reply of the X server, which the caller frees.
template <class T> using XcbReply = std::unique_ptr<T, XcbFree>;
template <class T> XcbReply<T> owned(T* reply) {
    return XcbReply<T>(reply);
}

// The application's own X11 connection; null off X11. Some platforms other
// than X11 (offscreen) answer Qt's X11 interface without a connection.
inline xcb_connection_t* applicationConnection() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

inline xcb_atom_t internAtom(xcb_connection_t* connection, const QByteArray& name) {
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.constData()),
        nullptr));
    return reply ? reply->atom : XCB_NONE;
}

} // namespace platform::xdg
