// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/XEmbedIcon.h"

#include "platform/linux/tray/XcbReply.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSystemTrayIcon>

namespace platform::xdg {

namespace {
// What XEmbed trays give an icon before they size it themselves.
constexpr int initialSize = 22;
} // namespace

XEmbedIcon::XEmbedIcon(std::function<QImage(int)> draw, std::function<void(QPoint)> clicked)
    : draw_(std::move(draw))
    , clicked_(std::move(clicked)) {
    // The name Qt's X11 backend docks by (see the class comment).
    setObjectName(QStringLiteral("QSystemTrayIconSysWindow"));
    setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
    // Trays that size an icon by what it asks for (trayer) read its minimum.
    setMinimumSize(QSize(initialSize, initialSize));
    resize(initialSize, initialSize);
}

void XEmbedIcon::dock() {
    // Qt's backend looks for the tray when asked whether there is one, and
    // sends the request to dock to the tray it found as the window is made.
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    create();
    show();
}

std::optional<QRect> XEmbedIcon::shownAt() const {
    xcb_connection_t* connection = applicationConnection();
    if (!connection || !handle())
        return std::nullopt;
    const auto window = static_cast<xcb_window_t>(winId());
    const XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    const XcbReply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr));
    // Taken in: a child of the tray's window, no longer of the root; shown:
    // mapped, with every window above it mapped too.
    if (!tree || tree->parent == tree->root || !attributes ||
        attributes->map_state != XCB_MAP_STATE_VIEWABLE)
        return std::nullopt;
    const XcbReply<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, window, tree->root, 0, 0), nullptr));
    const XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!origin || !geometry)
        return std::nullopt;
    return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
}

void XEmbedIcon::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(QPoint(), size()), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QImage image = draw_(height());
    if (image.isNull())
        return;
    const QImage fitted = image.width() > width()
                              ? image.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
                              : image;
    painter.drawImage(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                      fitted);
}

void XEmbedIcon::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        clicked_(event->globalPosition().toPoint());
}

} // namespace platform::xdg
