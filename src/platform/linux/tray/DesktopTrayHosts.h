// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"

namespace platform::xdg {

// The tray hosts of this desktop session, as far as they are known.
class DesktopTrayHosts final : public TrayHosts {
public:
    bool hasWatcher() const override;
    QList<TrayHost> hosts() const override;
    void onChanged(std::function<void()> changed) override { changed_ = std::move(changed); }

private:
    std::function<void()> changed_;
};

// The host named by a desktop name as XDG_CURRENT_DESKTOP lists them
// ("KDE", "XFCE", "ubuntu:GNOME", …); Unknown for any other.
TrayHostKind hostKindOfDesktop(const QString& currentDesktop);

} // namespace platform::xdg
