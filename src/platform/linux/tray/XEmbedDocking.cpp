// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/XEmbedDocking.h"

namespace platform::xdg {

namespace {
bool xembedOnly(const TrayHosts& hosts) {
    return hosts.primary().kind == TrayHostKind::XEmbedTray;
}
} // namespace

XEmbedDocking::XEmbedDocking(TrayHosts& hosts)
    : hosts_(hosts)
    , docking_(xembedOnly(hosts)) {
    hosts_.onChanged(this, [this] { hostsChanged(); });
}

XEmbedDocking::~XEmbedDocking() {
    hosts_.onChanged(this, {});
}

void XEmbedDocking::add(XEmbedDockable& item) {
    items_.append(&item);
    if (docking_)
        item.dock();
}

void XEmbedDocking::remove(XEmbedDockable& item) {
    items_.removeAll(&item);
}

void XEmbedDocking::arriveAgain(XEmbedDockable& item) {
    if (!items_.contains(&item))
        return;
    items_.removeAll(&item);
    items_.append(&item);
    if (docking_)
        item.dock();
}

// Every change while docking re-docks all: the tray that announced itself
// may be a new one, which has none of the icons.
void XEmbedDocking::hostsChanged() {
    const bool docking = xembedOnly(hosts_);
    if (!docking && !docking_)
        return;
    docking_ = docking;
    // Copied: an item may let go of itself meanwhile.
    const QList<XEmbedDockable*> items = items_;
    for (XEmbedDockable* item : items)
        if (items_.contains(item)) {
            if (docking)
                item->dock();
            else
                item->undock();
        }
}

} // namespace platform::xdg
