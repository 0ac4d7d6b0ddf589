// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Popover.h"
#include "platform/TrayHosts.h"
#include "platform/linux/GreetingWindow.h"
#include "platform/linux/NotificationPopover.h"

namespace platform::xdg {

// The greeting this session can show: on X11 a window beside the tray where
// its place can be learned (XFCE's tray draws into a window of its own) or is
// known (GNOME's extension puts its icons at the right end of the top bar);
// elsewhere, and on Wayland, where windows cannot be placed, a notification.
class DesktopPopover final : public Popover {
public:
    explicit DesktopPopover(const TrayHosts& hosts)
        : hosts_(hosts) {}

    void show(StatusItem& item, const PopoverContent& content,
              std::function<void()> clicked) override;
    void shake(double duration, double amount) override { active().shake(duration, amount); }
    void close() override { active().close(); }

private:
    Popover& chosen();
    Popover& active() { return active_ ? *active_ : window_; }

    const TrayHosts& hosts_;
    WindowPopover window_;
    NotificationPopover notification_;
    Popover* active_ = nullptr;
};

} // namespace platform::xdg
