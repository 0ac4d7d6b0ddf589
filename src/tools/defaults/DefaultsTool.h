// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QIODevice>
#include <QStringList>
#include <QTextStream>

namespace tools {

// Runs gapsel-defaults with `arguments` (without the program name) and returns
// the exit status: 0 done, 1 failed (nothing there, could not save), 2 bad
// arguments (nothing was written). `in` is standard input, which "import
// DOMAIN -" reads; without it that import finds nothing to read.
int runDefaultsTool(const QStringList& arguments, QTextStream& out, QTextStream& err,
                    QIODevice* in = nullptr);

} // namespace tools
