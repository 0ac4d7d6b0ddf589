// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QLoggingCategory>

// What the application logs ("gapsel.app"; switch it with QT_LOGGING_RULES).
Q_DECLARE_LOGGING_CATEGORY(appLog)
