// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/HotKeys.h"

#include <memory>

namespace platform::xdg {

// The hot keys this session offers: key grabs where the program draws on an
// X11 display, else (Wayland) the desktop's GlobalShortcuts portal, which
// says itself whether it is there.
std::unique_ptr<HotKeys> desktopHotKeys();

} // namespace platform::xdg
