// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// gapsel-defaults: reads and writes Gapsel's preferences from the command line.

#include "tools/defaults/DefaultsTool.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QFile in;
    const bool hasInput = in.open(stdin, QIODevice::ReadOnly);
    return tools::runDefaultsTool(app.arguments().mid(1), out, err, hasInput ? &in : nullptr);
}
