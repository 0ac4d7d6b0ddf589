// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"

#include <QString>

namespace menubar {

// What makes a tray that shows status items appear on `desktop`, as one or
// two sentences for the user, in English for the log; where the user reads it,
// it is translated in the context "TrayRemedy".
QString trayRemedy(platform::TrayHostKind desktop);

} // namespace menubar
