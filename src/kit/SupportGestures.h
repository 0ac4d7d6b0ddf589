// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/StartupGestureHandlers.h"
#include "platform/Platform.h"

class JXKit;

namespace kit {

// The kit's answers to the start-up gestures: the support window opens
// through the desktop's opener for it, and the deletion gesture asks whether
// to delete all data (then deletes and relaunches).
StartupGestureHandlers supportGestureHandlers(platform::Platform platform);

// The deletion question of the start-up gesture, asked for `kit`'s application.
void confirmDataDeletionAtStartup(JXKit& kit);

} // namespace kit
