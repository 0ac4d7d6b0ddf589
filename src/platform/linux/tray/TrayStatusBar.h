// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/StatusBar.h"
#include "platform/linux/tray/TitleIconCache.h"
#include "platform/linux/tray/TrayItemDirectory.h"
#include "platform/linux/tray/TrayItemExport.h"

#include <memory>

namespace platform::xdg {

// The system tray of a freedesktop desktop (KDE Plasma, GNOME with the
// AppIndicator extension, XFCE, LXQt, Waybar): each status item becomes a
// StatusNotifierItem with its own bus connection. Without a session bus or a
// tray the items are made all the same and count as not visible.
class TrayStatusBar final : public StatusBar {
public:
    // `appName` starts each item's title.
    explicit TrayStatusBar(QString appName, BusConnector connector = sessionBusConnector());

    std::shared_ptr<StatusItem> statusItem(double length) override;

    // The items made here that are still shown.
    TrayItemDirectory& items() { return items_; }

private:
    QString appName_;
    BusConnector connector_;
    std::shared_ptr<TitleIconCache> icons_ = std::make_shared<TitleIconCache>();
    TrayItemDirectory items_;
};

// A bus name for a tray item that no item of this process had before.
QString newItemServiceName();

} // namespace platform::xdg
