// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Signal.h"

namespace shortcuts {

// Whether one of the application's menus is open. The application sets it as
// its status items' menus open and close; the hot-key registry listens, because while a menu is
// tracked the desktop would hand keys to the menu rather than to hot keys.
//
// On Linux the tray host draws Gapsel's menus in its own process, so no key
// reaches Gapsel while one is open and the raw-key path that this flag turns
// on never fires there; the flag and its bookkeeping are kept so that the
// behaviour is the same wherever keys do arrive.
class MenuOpenFlag {
public:
    bool isOpen() const { return isOpen_; }
    // Tells listeners only when the value really changes.
    void set(bool open);
    Defaults::Signal<bool> changed;

private:
    bool isOpen_ = false;
};

} // namespace shortcuts
