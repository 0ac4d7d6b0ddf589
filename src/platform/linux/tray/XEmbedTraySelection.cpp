// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/XEmbedTraySelection.h"

#include "platform/linux/tray/TrayHostClassification.h"
#include "platform/linux/tray/XcbReply.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstring>

namespace platform::xdg {

namespace {

// The screen the display names (":0.1" is screen 1), whose tray we dock in.
int screenNumber() {
    const QString display = qEnvironmentVariable("DISPLAY");
    const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
    const qsizetype dot = display.indexOf(QLatin1Char('.'), colon);
    return dot < 0 ? 0 : display.mid(dot + 1).toInt();
}

QByteArray propertyBytes(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                         xcb_atom_t type) {
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 256), nullptr));
    if (!reply || reply->type == XCB_NONE)
        return {};
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            xcb_get_property_value_length(reply.get())};
}

} // namespace

XEmbedTraySelection::XEmbedTraySelection() {
    connection_ = applicationConnection();
    if (!connection_)
        return;
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
    for (int skip = screenNumber(); skip > 0 && screens.rem > 1; --skip)
        xcb_screen_next(&screens);
    root_ = screens.data->root;
    selection_ = internAtom(connection_, "_NET_SYSTEM_TRAY_S" + QByteArray::number(screenNumber()));
    manager_ = internAtom(connection_, "MANAGER");
    // A tray that starts says so to clients that listen on the root window;
    // Qt's own events there stay selected.
    const XcbReply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, root_), nullptr));
    const std::uint32_t mask =
        (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    QCoreApplication::instance()->installNativeEventFilter(this);
    readOwner();
}

XEmbedTraySelection::~XEmbedTraySelection() {
    if (connection_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

void XEmbedTraySelection::readOwner() {
    const XcbReply<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, selection_), nullptr));
    owner_ = reply ? reply->owner : 0;
    if (owner_) {
        // Its window's end is the tray's end.
        const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, owner_, XCB_CW_EVENT_MASK, &mask);
    }
    xcb_flush(connection_);
}

QString XEmbedTraySelection::process() const {
    if (!owner_)
        return {};
    const QByteArray pid = propertyBytes(connection_, owner_,
                                         internAtom(connection_, "_NET_WM_PID"), XCB_ATOM_CARDINAL);
    if (pid.size() == sizeof(std::uint32_t)) {
        std::uint32_t value = 0;
        std::memcpy(&value, pid.constData(), sizeof value);
        if (const QString name = processOf(value).comm; !name.isEmpty())
            return name;
    }
    // WM_CLASS: the instance name, then the class name, each ending in a zero.
    const QByteArray windowClass =
        propertyBytes(connection_, owner_, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
    return QString::fromLocal8Bit(windowClass.left(windowClass.indexOf('\0')));
}

bool XEmbedTraySelection::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & ~0x80;
    if (type == XCB_CLIENT_MESSAGE) {
        const auto* client = static_cast<const xcb_client_message_event_t*>(message);
        if (client->window == root_ && client->type == manager_ &&
            client->data.data32[1] == selection_)
            readOwnerSoon();
    } else if (type == XCB_DESTROY_NOTIFY) {
        const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
        if (owner_ && destroyed->window == owner_)
            readOwnerSoon();
    }
    return false;
}

// Once Qt has seen the event too, so that its own idea of the tray (which it
// docks windows into) is current, and outside the event's delivery.
void XEmbedTraySelection::readOwnerSoon() {
    QTimer::singleShot(0, this, [this] {
        readOwner();
        Q_EMIT changed();
    });
}

} // namespace platform::xdg
