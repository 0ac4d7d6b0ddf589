// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/DesktopHotKeys.h"

#include "platform/linux/PortalHotKeys.h"
#include "platform/linux/XcbHotKeys.h"
#include "platform/linux/tray/XcbReply.h"

namespace platform::xdg {

std::unique_ptr<HotKeys> desktopHotKeys() {
    if (applicationConnection())
        return std::make_unique<XcbHotKeys>();
    return std::make_unique<PortalHotKeys>(QDBusConnection::sessionBus());
}

} // namespace platform::xdg
