// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// A second process for the preferences tests: it reads or writes a suite file
// the way another Gapsel (or the command-line tool) would.
//
//   defaults_child dump PATH              prints every stored entry, one a line
//   defaults_child set PATH KEY TEXT      stores a string; prints "saved" or
//                                          "refused"
//   defaults_child count PATH KEY         stores 1, 2, 3, ... forever, printing
//                                          each number once it is on disk

#include "defaults/PropertyList.h"
#include "defaults/UserDefaults.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

#include <cstdio>

namespace {

QString describe(const QVariant& value);

QString describeList(const QVariantList& list) {
    QStringList parts;
    for (const QVariant& item : list)
        parts << describe(item);
    return QStringLiteral("[") + parts.join(QLatin1Char(',')) + QStringLiteral("]");
}

QString describeMap(const QVariantMap& map) {
    QStringList parts;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        parts << it.key() + QLatin1Char('=') + describe(it.value());
    return QStringLiteral("{") + parts.join(QLatin1Char(',')) + QStringLiteral("}");
}

// The type and value of a property-list value, exactly.
QString describe(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return QStringLiteral("string:") + value.toString();
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("bool:true") : QStringLiteral("bool:false");
    case QMetaType::LongLong:
        return QStringLiteral("int:") + QString::number(value.toLongLong());
    case QMetaType::ULongLong:
        return QStringLiteral("uint:") + QString::number(value.toULongLong());
    case QMetaType::Double:
        return QStringLiteral("real:") + QString::number(value.toDouble(), 'g', 17);
    case QMetaType::QDateTime:
        return QStringLiteral("date:") + value.toDateTime().toString(Qt::ISODateWithMs);
    case QMetaType::QByteArray:
        return QStringLiteral("data:") + QString::fromLatin1(value.toByteArray().toHex());
    case QMetaType::QVariantList:
        return describeList(value.toList());
    case QMetaType::QVariantMap:
        return describeMap(value.toMap());
    default:
        return QStringLiteral("unexpected:") + QString::fromLatin1(value.typeName());
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return 2;
    auto suite = UserDefaults::open(QStringLiteral("child"), args[1]);
    QTextStream out(stdout);
    if (args[0] == QLatin1String("dump")) {
        const QVariantMap all = suite->persistentDomain();
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            out << it.key() << QLatin1Char(' ') << describe(it.value()) << Qt::endl;
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
