// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// A second process for the preferences tests, writing a suite file the way
// another Gapsel would:
//   set PATH KEY TEXT  stores a string; prints "saved" or "refused"
//   count PATH KEY     stores 1, 2, 3, ... until a write fails, printing each once on disk

#include "defaults/UserDefaults.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    auto suite = UserDefaults::open(QStringLiteral("child"), args[2]);
    QTextStream out(stdout);
    if (args[1] == QLatin1String("set")) {
        const bool saved = suite->set(args[4], args[3]);
        out << (saved ? "saved" : "refused") << Qt::endl;
        return saved ? 0 : 1;
    }
    for (qint64 n = 1; suite->set(n, args[3]); ++n)
        out << n << Qt::endl;
    return 1;
}
