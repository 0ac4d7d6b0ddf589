// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(appLog)
