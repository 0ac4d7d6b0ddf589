// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"

#include <functional>

namespace platform {

class StatusItem;

// Why a status item that exists is judged not to be seen.
enum class HiddenCause {
    // Nothing found that hides it.
    None,
    // Nothing on the desktop collects status items.
    NoTray,
    // Something collects them, but no host shows them.
    NoTrayHost,
    // The tray did not take this item.
    NotTaken,
    // The host's own settings hide this item.
    HiddenByHostSetting,
    // The menu bar left the item out for want of room.
    NoRoom,
};

struct HiddenVerdict {
    HiddenCause cause = HiddenCause::None;
    // The host whose setting hides the item; for the other causes the host
    // this desktop would have, so that the remedy can name it.
    TrayHostKind host = TrayHostKind::Unknown;

    bool isHidden() const { return cause != HiddenCause::None; }
    friend bool operator==(const HiddenVerdict&, const HiddenVerdict&) = default;
};

// What the desktop tells about whether a status item is really seen, and the
// facts about the screen and the machine that explain it.
class ItemVisibility {
public:
    virtual ~ItemVisibility() = default;

    // Whether the desktop keeps the item out of sight, and why, handed to
    // `answer` once known. Asking never blocks: the tray is another process
    // that may be slow or hung, and the menus must answer meanwhile. An item
    // the user took away on purpose does not count as hidden.
    virtual void hiddenBySystem(StatusItem& item,
                                std::function<void(HiddenVerdict)> answer) const = 0;
    // Whether the item sits on a screen, so that something can point at it;
    // answered like hiddenBySystem.
    virtual void isOnScreen(StatusItem& item, std::function<void(bool)> answer) const = 0;
    // Whether the menu bar / panel hides itself and shows again on demand.
    virtual bool menuBarHidesAutomatically() const = 0;
    virtual bool hasMainScreen() const = 0;
    // Whether the machine is awake only for maintenance, with the display off.
    virtual bool isDarkWake() const = 0;
};

} // namespace platform
