// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/sim/SimItemVisibility.h"

namespace platform::sim {

// An item the user removed is not hidden by the system; nor is one without a
// window, or one of which something can be seen. A covered window left of
// the screen's origin is one the menu bar moved aside on purpose, not one it
// left out.
HiddenVerdict SimItemVisibility::verdictFor(const StatusItem& item) const {
    if (const auto reported = trayVerdicts_.find(&item); reported != trayVerdicts_.end())
        return reported->second;
    const ItemState state = stateOf(item);
    if (!state.isVisible || !state.window || state.window->isOccludedVisible)
        return {};
    if (state.window->originX < 0)
        return {};
    return {HiddenCause::NoRoom, TrayHostKind::DraggableMenuBar};
}

} // namespace platform::sim
