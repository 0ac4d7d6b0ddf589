// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/TrayWindowLocator.h"
#include "platform/linux/tray/TrayHostClassification.h"
#include "platform/linux/tray/XcbReply.h"

#include <vector>

namespace platform::xdg {

namespace {

std::optional<uint32_t> pidOf(xcb_connection_t* connection, xcb_window_t window,
                              xcb_atom_t pidAtom) {
    const auto reply = owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return std::nullopt;
    return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
}

// The window's rectangle on the screen, when it is viewable.
std::optional<QRect> viewableArea(xcb_connection_t* connection, xcb_window_t window,
                                  xcb_window_t root) {
    const auto attributes = owned(xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr));
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
        return std::nullopt;
    const auto geometry =
        owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    const auto origin = owned(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, window, root, 0, 0), nullptr));
    if (!geometry || !origin)
        return std::nullopt;
    return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
}

std::vector<xcb_window_t> childrenOf(xcb_connection_t* connection, xcb_window_t window) {
    const auto tree =
        owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    if (!tree)
        return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return {children, children + xcb_query_tree_children_length(tree.get())};
}

} // namespace

std::optional<QRect> TrayWindowLocator::windowOf(const QString& process) {
    xcb_connection_t* connection = applicationConnection();
    if (!connection || process.isEmpty())
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const QRect screenArea(0, 0, screen->width_in_pixels, screen->height_in_pixels);
    const xcb_atom_t pidAtom = internAtom(connection, "_NET_WM_PID");
    std::optional<QRect> found;
    // Panels are a few levels deep at most: the tray's window sits in the
    // panel's, which may sit in a window manager's frame.
    std::vector<xcb_window_t> level = childrenOf(connection, screen->root);
    for (int depth = 0; depth < 4 && !level.empty(); ++depth) {
        std::vector<xcb_window_t> next;
        for (const xcb_window_t window : level) {
            const std::optional<uint32_t> pid = pidOf(connection, window, pidAtom);
            if (pid && processOf(*pid).comm == process) {
                const std::optional<QRect> area = viewableArea(connection, window, screen->root);
                // A whole panel or the shell's stage tells nothing of where
                // in it the tray is.
                const bool fits = area && area->width() > 1 && area->height() > 1 &&
                                  screenArea.contains(*area) &&
                                  area->width() < screenArea.width() / 2 &&
                                  area->height() < screenArea.height() / 2;
                if (fits &&
                    (!found || area->width() * area->height() < found->width() * found->height()))
                    found = area;
            }
            const std::vector<xcb_window_t> children = childrenOf(connection, window);
            next.insert(next.end(), children.begin(), children.end());
        }
        level = std::move(next);
    }
    return found;
}

} // namespace platform::xdg
