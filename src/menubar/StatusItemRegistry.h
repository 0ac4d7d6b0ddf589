// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/StatusBar.h"

#include <memory>
#include <vector>

namespace menubar {

// The process-wide list behind MenuBarItem::statusItems(), which coordinators
// append to when they create an item and sweep when they go.
std::vector<std::weak_ptr<platform::StatusItem>>& statusItemRegistry();

} // namespace menubar
