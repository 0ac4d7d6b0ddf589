// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/PlatformLog.h"

Q_LOGGING_CATEGORY(platformLog, "gapsel.platform")
