// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"

#include <QList>

namespace platform::xdg {

// A tray item as seen from an XEmbed tray: it docks as an icon, or leaves.
class XEmbedDockable {
public:
    virtual ~XEmbedDockable() = default;
    // Docks as the tray's newest icon (leaving first if it was docked).
    virtual void dock() = 0;
    virtual void undock() = 0;
};

// Moves the tray's items between the two kinds of tray. While a
// StatusNotifierWatcher runs, the items are StatusNotifierItems and none is
// docked; where an XEmbed tray is all there is, every item docks in it, in the
// order the items last arrived, so that the order the user made survives a
// trip to the other tray and back. A tray that restarts gets them all again.
class XEmbedDocking {
public:
    explicit XEmbedDocking(TrayHosts& hosts);
    ~XEmbedDocking();
    XEmbedDocking(const XEmbedDocking&) = delete;
    XEmbedDocking& operator=(const XEmbedDocking&) = delete;

    // `item` arrives as the newest and docks if an XEmbed tray is the host.
    // It must leave (`remove`) before it is destroyed.
    void add(XEmbedDockable& item);
    void remove(XEmbedDockable& item);
    // `item` arrives anew: last in the order, and re-docked at the tray's end.
    void arriveAgain(XEmbedDockable& item);

private:
    void hostsChanged();

    TrayHosts& hosts_;
    // In the order they arrived, the newest last.
    QList<XEmbedDockable*> items_;
    bool docking_ = false;
};

} // namespace platform::xdg
