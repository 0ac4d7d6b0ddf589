// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TrayLog.h"

Q_LOGGING_CATEGORY(trayLog, "gapsel.tray")
