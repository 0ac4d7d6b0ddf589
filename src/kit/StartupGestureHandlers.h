// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <functional>

class JXKit;

namespace kit {

// What the start-up gestures lead to. The kit decides whether and when each
// runs; the features that answer them (windows and alerts built above the
// kit) are handed in by the application. An entry left empty does nothing.
struct StartupGestureHandlers {
    // Shift, Control and Option held while the application starts.
    std::function<void()> openSupportWindow;
    // Shift, Control, Option and Command held when the start-up work runs.
    std::function<void(JXKit& kit)> confirmDataDeletion;
};

} // namespace kit
