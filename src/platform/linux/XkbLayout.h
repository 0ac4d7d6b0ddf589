// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/DeviceFacts.h"

#include <QStringList>

namespace platform::xdg {

// The keyboard layout the X server uses now (directly on X11, through
// XWayland on Wayland desktops that run it): the name of the active group and
// its layout as the XKB rules name it ("us", "de(nodeadkeys)"). None without
// an X server or its keyboard extension.
std::optional<KeyboardLayout> currentXkbLayout();

// The layout of group `group` in the layout and variant lists of the XKB rules
// names ("us,de" and ",nodeadkeys" give "de(nodeadkeys)" for group 1).
std::optional<QString> xkbLayoutIdentifier(const QString& layouts, const QString& variants,
                                           int group);

} // namespace platform::xdg
