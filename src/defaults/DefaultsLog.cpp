// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/DefaultsLog.h"

Q_LOGGING_CATEGORY(defaultsLog, "gapsel.defaults")
