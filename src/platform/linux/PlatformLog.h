// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QLoggingCategory>

// What the Linux desktop services logs ("gapsel.platform"; switch it with QT_LOGGING_RULES).
Q_DECLARE_LOGGING_CATEGORY(platformLog)
