// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "shortcuts/MenuOpenFlag.h"

namespace shortcuts {

void MenuOpenFlag::set(bool open) {
    if (open == isOpen_)
        return;
    isOpen_ = open;
    changed.send(open);
}

} // namespace shortcuts
