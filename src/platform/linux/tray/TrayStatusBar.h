// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/StatusBar.h"
#include "platform/TrayHosts.h"
#include "platform/linux/tray/RegistrationScheduler.h"
#include "platform/linux/tray/TitleIconCache.h"
#include "platform/linux/tray/TrayItemDirectory.h"
#include "platform/linux/tray/TrayItemExport.h"
#include "platform/linux/tray/TrayStatusItem.h"
#include "platform/linux/tray/XEmbedDocking.h"

#include <memory>

namespace platform::xdg {

// The system tray of a freedesktop desktop (KDE Plasma, GNOME with the
// AppIndicator extension, XFCE, LXQt, Waybar): each status item becomes a
// StatusNotifierItem with its own bus connection, shown the way the host
// detected now wants it. Items register one at a time, in the order they were
// made. On X11 without a watcher they dock in the XEmbed tray instead, and
// move between the two as watchers come and go. Without a session bus or a
// tray the items are made all the same and count as not visible.
class TrayStatusBar final : public StatusBar {
public:
    // `itemKind` starts each item's title ("Gapsel separator"); `popup` shows
    // an item's menu where a host asks the item to (none: such clicks do
    // nothing).
    TrayStatusBar(QString itemKind, TrayHosts& hosts,
                  BusConnector connector = sessionBusConnector(), MenuPopup popup = {});
    ~TrayStatusBar() override;
    TrayStatusBar(const TrayStatusBar&) = delete;
    TrayStatusBar& operator=(const TrayStatusBar&) = delete;

    std::shared_ptr<StatusItem> statusItem(double length) override;

    // The items made here that are still shown.
    TrayItemDirectory& items() { return items_; }

private:
    QString itemKind_;
    const TrayHosts& hosts_;
    BusConnector connector_;
    MenuPopup popup_;
    std::shared_ptr<TitleIconCache> icons_ = std::make_shared<TitleIconCache>();
    RegistrationScheduler* scheduler_;
    TrayItemDirectory items_;
    std::shared_ptr<XEmbedDocking> docking_;
};

// A bus name for a tray item that no item of this process had before.
QString newItemServiceName();

} // namespace platform::xdg
