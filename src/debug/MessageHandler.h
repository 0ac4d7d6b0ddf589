// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

namespace debug {

// The one way out for what the program logs: every message (the gapsel.*
// categories and Qt's own) goes, text unchanged and one line each, to standard
// error and into InMemoryLog::shared(), where the debug window and the debug
// information find it. The application installs it first thing.
void installMessageHandler();

} // namespace debug
