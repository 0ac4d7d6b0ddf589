// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/DesktopPopover.h"

#include "platform/linux/TrayWindowLocator.h"

#include <QGuiApplication>

namespace platform::xdg {

void DesktopPopover::show(StatusItem& item, const PopoverContent& content,
                          std::function<void()> clicked) {
    active().close();
    active_ = &chosen();
    active_->show(item, content, std::move(clicked));
}

Popover& DesktopPopover::chosen() {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return notification_;
    const TrayHost host = hosts_.primary();
    if (host.kind == TrayHostKind::Gnome) {
        window_.setTray(std::nullopt);
        return window_;
    }
    // An icon docked in an XEmbed tray tells the greeting where it is itself.
    const auto tray = TrayWindowLocator::windowOf(host.process);
    if (tray || host.kind == TrayHostKind::XEmbedTray) {
        window_.setTray(tray);
        return window_;
    }
    return notification_;
}

} // namespace platform::xdg
