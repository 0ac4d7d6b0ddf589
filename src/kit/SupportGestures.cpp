// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/SupportGestures.h"

#include "kit/DataDeletion.h"
#include "kit/JXKit.h"
#include "platform/WindowOpener.h"

namespace kit {

void confirmDataDeletionAtStartup(JXKit& kit) {
    confirmDataDeletion(kit, startupDeletionAlert(kit.identity().name()));
}

StartupGestureHandlers supportGestureHandlers(platform::Platform platform) {
    return {[&opener = platform.supportWindow] { opener.open(); }, confirmDataDeletionAtStartup};
}

} // namespace kit
