// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/KitLog.h"

Q_LOGGING_CATEGORY(kitLog, "gapsel.kit")
