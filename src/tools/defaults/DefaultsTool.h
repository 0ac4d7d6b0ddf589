// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QStringList>
#include <QTextStream>

namespace tools {

// Runs gapsel-defaults with `arguments` (without the program name) and returns
// the exit status: 0 done, 1 failed (nothing there, could not save), 2 bad
// arguments (nothing was written).
int runDefaultsTool(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace tools
