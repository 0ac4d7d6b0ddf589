// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/ItemVisibility.h"
#include "platform/linux/tray/TrayItemExport.h"

#include <QVariantMap>

#include <optional>

namespace platform {
class TrayHosts;
}

namespace platform::xdg {

// Whether the tray items of this session are seen, asked of the watcher on
// the bus (without waiting for it), the tray host's own settings and the
// screens.
class TrayItemVisibility final : public ItemVisibility {
public:
    // How long the watcher is given to answer.
    static constexpr int watcherTimeoutMs = 2000;

    explicit TrayItemVisibility(TrayHosts& hosts, BusConnector connector = sessionBusConnector());

    void hiddenBySystem(StatusItem& item, std::function<void(HiddenVerdict)> answer) const override;
    // Where a tray shows the item, it is on the screen of its panel.
    void isOnScreen(StatusItem& item, std::function<void(bool)> answer) const override;
    // As the tray host's desktop keeps it in its panels' settings.
    bool menuBarHidesAutomatically() const override;
    bool hasMainScreen() const override;
    // Linux has no wake with the display off that a session could run in.
    bool isDarkWake() const override { return false; }
    // In place of the menu-bar organisers of other systems: the tray hosts,
    // whether a watcher collects items at all, and the cause found.
    ReportFacts reportFacts(const HiddenVerdict& verdict) const override;

private:
    // The watcher's properties, or none when it did not answer in time.
    void askWatcher(std::function<void(std::optional<QVariantMap>)> answer) const;

    TrayHosts& hosts_;
    BusConnector connector_;
};

} // namespace platform::xdg
