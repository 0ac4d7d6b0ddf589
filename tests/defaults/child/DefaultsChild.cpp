// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// A second process for the preferences tests, writing a suite file the way
// another Gapsel would:
//   set PATH KEY TEXT  stores a string; prints "saved" or "refused"
//   count PATH KEY     stores 1, 2, 3, ... forever, printing each once on disk

#include "defaults/UserDefaults.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return 2;
    auto suite = UserDefaults::open(QStringLiteral("child"), args[1]);
    QTextStream out(stdout);
    if (args[0] == QLatin1String("set") && args.size() == 4) {
        const bool saved = suite->set(args[3], args[2]);
        out << (saved ? "saved" : "refused") << Qt::endl;
        return saved ? 0 : 1;
    }
    if (args[0] == QLatin1String("count") && args.size() == 3) {
        for (qint64 n = 1;; ++n) {
            if (!suite->set(n, args[2]))
                return 1;
            out << n << Qt::endl;
        }
    }
    return 2;
}
