// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/Metadata.h"

class JXKit;

namespace kit {
class PendingServices;
}

namespace platform {
class Workspace;
}

namespace menubar {

// What the kit's ready-made menu items act through: the running application's
// kit, the desktop's workspace for opening pages, the application's metadata,
// and the kit services that later work completes.
struct MenuServices {
    JXKit& kit;
    platform::Workspace& workspace;
    kit::Metadata metadata;
    kit::PendingServices& pending;
};

} // namespace menubar
