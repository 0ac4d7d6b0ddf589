// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/DefaultsListing.h"

#include <QDateTime>

namespace debug {

QString describe(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::QDateTime:
        return value.toDateTime().toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss +0000"));
    case QMetaType::QByteArray:
        return QStringLiteral("{length = %1, bytes = 0x%2}")
            .arg(value.toByteArray().size())
            .arg(QString::fromLatin1(value.toByteArray().left(32).toHex()));
    case QMetaType::QVariantList: {
        QStringList elements;
        for (const QVariant& element : value.toList())
            elements << describe(element);
        return u'(' + elements.join(QStringLiteral(", ")) + u')';
    }
    case QMetaType::QVariantMap: {
        QStringList members;
        const QVariantMap map = value.toMap();
        for (auto it = map.begin(); it != map.end(); ++it)
            members << it.key() + QStringLiteral(" = ") + describe(it.value());
        return u'{' + members.join(QStringLiteral("; ")) + u'}';
    }
    default:
        return value.toString();
    }
}

QStringList listingRows(const UserDefaults& suite) {
    QStringList rows;
    const QVariantMap stored = suite.persistentDomain();
    for (auto it = stored.begin(); it != stored.end(); ++it)
        rows << it.key() + QStringLiteral(": ") + describe(it.value());
    return rows;
}

QString listingText(const std::vector<ListedSuite>& suites) {
    QStringList sections;
    for (const ListedSuite& listed : suites)
        sections << (QStringList{listed.title} + listingRows(*listed.suite)).join(u'\n');
    return sections.join(QStringLiteral("\n\n"));
}

} // namespace debug
