// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/StatusBar.h"
#include "platform/TrayHosts.h"
#include "platform/linux/tray/RegistrationScheduler.h"
#include "platform/linux/tray/TitleIconCache.h"
#include "platform/linux/tray/TrayItemExport.h"
#include "platform/linux/tray/TrayStatusItem.h"

#include <memory>

namespace platform::xdg {

// The system tray of a freedesktop desktop (KDE Plasma, GNOME with the
// AppIndicator extension, XFCE, LXQt, Waybar): each status item becomes a
// StatusNotifierItem with its own bus connection, shown the way the host
// detected now wants it. Items register one at a time, in the order they were
// made. Without a session bus or a tray the items are made all the same and
// count as not visible.
class TrayStatusBar final : public StatusBar {
public:
    // `itemKind` starts each item's title ("Gapsel separator"); `popup` shows
    // an item's menu where a host asks the item to (none: such clicks do
    // nothing).
    TrayStatusBar(QString itemKind, const TrayHosts& hosts,
                  BusConnector connector = sessionBusConnector(), MenuPopup popup = {});
    ~TrayStatusBar() override;
    TrayStatusBar(const TrayStatusBar&) = delete;
    TrayStatusBar& operator=(const TrayStatusBar&) = delete;

    std::shared_ptr<StatusItem> statusItem(double length) override;

private:
    QString itemKind_;
    const TrayHosts& hosts_;
    BusConnector connector_;
    MenuPopup popup_;
    std::shared_ptr<TitleIconCache> icons_ = std::make_shared<TitleIconCache>();
    RegistrationScheduler* scheduler_;
};

} // namespace platform::xdg
