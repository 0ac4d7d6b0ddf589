// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/MenuBarLog.h"

Q_LOGGING_CATEGORY(menuBarLog, "gapsel.menubar")
