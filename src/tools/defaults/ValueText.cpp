// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "tools/defaults/ValueText.h"

#include <QDateTime>
#include <QRegularExpression>

namespace tools {

namespace {

QString quotedIfNeeded(const QString& text) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.$:/-]+$"));
    if (plain.match(text).hasMatch())
        return text;
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
        .replace(QLatin1Char('\t'), QStringLiteral("\\t"))
        .replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString pad(int indent) {
    return QString(indent * 4, QLatin1Char(' '));
}

QString describeList(const QVariantList& list, int indent) {
    if (list.isEmpty())
        return QStringLiteral("(\n%1)").arg(pad(indent));
    QStringList items;
    for (const QVariant& item : list)
        items << pad(indent + 1) + describeValue(item, indent + 1);
    return QStringLiteral("(\n%1\n%2)").arg(items.join(QStringLiteral(",\n")), pad(indent));
}

QString describeMap(const QVariantMap& map, int indent) {
    QString text = QStringLiteral("{\n");
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        text += QStringLiteral("%1%2 = %3;\n")
                    .arg(pad(indent + 1), quotedIfNeeded(it.key()),
                         describeValue(it.value(), indent + 1));
    return text + pad(indent) + QLatin1Char('}');
}

} // namespace

QString describeValue(const QVariant& value, int indent) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return quotedIfNeeded(value.toString());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::ULongLong:
        return QString::number(value.toULongLong());
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::QDateTime:
        return QLatin1Char('"') +
               value.toDateTime().toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss +0000")) +
               QLatin1Char('"');
    case QMetaType::QByteArray:
        return QStringLiteral("{length = %1, bytes = 0x%2}")
            .arg(value.toByteArray().size())
            .arg(QString::fromLatin1(value.toByteArray().toHex()));
    case QMetaType::QVariantList:
        return describeList(value.toList(), indent);
    case QMetaType::QVariantMap:
        return describeMap(value.toMap(), indent);
    default:
        return QStringLiteral("<?>");
    }
}

QString typeName(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return QStringLiteral("string");
    case QMetaType::Bool:
        return QStringLiteral("boolean");
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return QStringLiteral("integer");
    case QMetaType::Double:
        return QStringLiteral("float");
    case QMetaType::QDateTime:
        return QStringLiteral("date");
    case QMetaType::QByteArray:
        return QStringLiteral("data");
    case QMetaType::QVariantList:
        return QStringLiteral("array");
    case QMetaType::QVariantMap:
        return QStringLiteral("dictionary");
    default:
        return QStringLiteral("unknown");
    }
}

} // namespace tools
