// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/ItemVisibility.h"

namespace platform {
class TrayHosts;
}

namespace platform::xdg {

// Whether the tray items of this session are seen, asked of the session bus,
// the tray host's own settings and the screens.
class TrayItemVisibility final : public ItemVisibility {
public:
    explicit TrayItemVisibility(TrayHosts& hosts)
        : hosts_(hosts) {}

    HiddenVerdict hiddenBySystem(StatusItem& item) const override;
    // Where a tray shows the item, it is on the screen of its panel.
    bool isOnScreen(StatusItem& item) const override;
    // X11: a panel that hides itself reserves no room, so the screen's work
    // area is the whole screen. Wayland tells clients no work area, so it
    // never counts.
    bool menuBarHidesAutomatically() const override;
    bool hasMainScreen() const override;
    // Linux has no wake with the display off that a session could run in.
    bool isDarkWake() const override { return false; }
    // In place of the menu-bar organisers of other systems: the tray hosts,
    // whether a watcher collects items at all, and the cause found.
    ReportFacts reportFacts(const HiddenVerdict& verdict) const override;

private:
    TrayHosts& hosts_;
};

} // namespace platform::xdg
