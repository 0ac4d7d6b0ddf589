// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/AppLog.h"

Q_LOGGING_CATEGORY(appLog, "gapsel.app")
