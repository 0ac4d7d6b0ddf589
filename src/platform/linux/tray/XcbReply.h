// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QByteArray>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace platform::xdg {

struct XcbFree {
    void operator()(void* pointer) const { std::free(pointer); }
};
// A reply of the X server, which the caller frees.
template <class T> using XcbReply = std::unique_ptr<T, XcbFree>;

inline xcb_atom_t internAtom(xcb_connection_t* connection, const QByteArray& name) {
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.constData()),
        nullptr));
    return reply ? reply->atom : XCB_NONE;
}

} // namespace platform::xdg
