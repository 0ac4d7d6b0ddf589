// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Menu.h"

namespace menubar {

// Takes out the separator lines that would draw as nothing but clutter: one
// at either end of the shown items, and each after the first of several in
// a row (hidden items between them do not count), in `menu` and its
// submenus. Menus are built in sections, some of which may be empty at the
// moment; every desktop then draws the same tidy menu.
void collapseSeparatorLines(platform::Menu& menu);

} // namespace menubar
