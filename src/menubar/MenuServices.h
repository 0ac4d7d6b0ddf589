// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/Metadata.h"

class JXKit;

namespace kit {
class PendingServices;
}

namespace platform {
class Alerts;
class Workspace;
} // namespace platform

namespace menubar {

// What the kit's ready-made menu items act through: the running application's
// kit, the desktop's workspace for opening pages, the application's metadata,
// the kit's services, and the desktop's alerts for a page that nothing opens.
struct MenuServices {
    JXKit& kit;
    platform::Workspace& workspace;
    kit::Metadata metadata;
    kit::PendingServices& pending;
    platform::Alerts& alerts;
};

} // namespace menubar
