// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// A second process for the preferences tests: it reads or writes a suite file
// the way another Gapsel (or the command-line tool) would.
//
//   defaults_child dump PATH              prints every stored entry as a
//                                          property list
//   defaults_child set PATH KEY TEXT      stores a string; prints "saved" or
//                                          "refused"
//   defaults_child count PATH KEY         stores 1, 2, 3, ... forever, printing
//                                          each number once it is on disk

#include "defaults/PropertyList.h"
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
    if (args[0] == QLatin1String("dump")) {
        out << QString::fromUtf8(PropertyList::toXml(suite->persistentDomain()));
        return 0;
    }
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
