// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "debug/ui/DebugServices.h"

#include <QWidget>

namespace debug {

// Support actions: copy the debug information, delete everything and start
// afresh.
class DashboardPage : public QWidget {
public:
    explicit DashboardPage(const DebugServices& services, QWidget* parent = nullptr);
};

} // namespace debug
