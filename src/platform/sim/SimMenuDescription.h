// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Menu.h"

#include <QStringList>

namespace platform::sim {

// A menu as lines of text, one per item, for tests to compare: "---" for a
// separator line, else the item's text followed, in parentheses, by what sets
// it apart: disabled, checked, hidden, its key equivalent, its font, submenu.
// For example "Remove (disabled)", "tab (checked, italic)", "Quit Gapsel (⌘q)".
QStringList describeMenu(const Menu& menu);

} // namespace platform::sim
