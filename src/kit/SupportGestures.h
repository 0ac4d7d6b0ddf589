// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/StartupGestureHandlers.h"
#include "platform/Platform.h"

namespace kit {

// The kit's answers to the start-up gestures: the support window opens
// through the desktop's opener for it, and the deletion gesture asks whether
// to delete all data (then deletes and relaunches). Both act on the
// process's kit (JXKit::shared()).
StartupGestureHandlers supportGestureHandlers(platform::Platform platform);

// The deletion question of the start-up gesture, asked of the process's kit.
void confirmDataDeletionAtStartup();

} // namespace kit
