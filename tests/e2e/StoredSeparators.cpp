// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "StoredSeparators.h"

#include "defaults/PropertyList.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

namespace e2e {

namespace {
const QString key = QStringLiteral("separators");
} // namespace

QString preferencesFile(const QString& configHome) {
    return configHome + QStringLiteral("/" GAPSEL_BUNDLE_ID ".plist");
}

QVariantMap preferences(const QString& configHome) {
    QFile file(preferencesFile(configHome));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return PropertyList::parse(file.readAll()).value_or(QVariantMap());
}

QList<StoredSeparator> storedSeparators(const QString& configHome) {
    QList<StoredSeparator> separators;
    for (const QVariant& record : preferences(configHome).value(key).toList()) {
        const QJsonObject object = QJsonDocument::fromJson(record.toString().toUtf8()).object();
        separators.append({object.value(QStringLiteral("id")).toString(),
                           object.value(QStringLiteral("character")).toString()});
    }
    return separators;
}

QList<StoredSeparator> seedSeparators(const QString& configHome, const QStringList& characters) {
    QList<StoredSeparator> separators;
    QVariantList records;
    for (const QString& character : characters) {
        const StoredSeparator separator{
            QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper(), character};
        separators.append(separator);
        records.append(QString::fromUtf8(
            QJsonDocument(QJsonObject{{QStringLiteral("id"), separator.id},
                                      {QStringLiteral("character"), separator.character}})
                .toJson(QJsonDocument::Compact)));
    }
    QFile file(preferencesFile(configHome));
    const QVariantMap stored{{key, records}, {QStringLiteral("JX_launchCount"), qint64{2}}};
    if (!file.open(QIODevice::WriteOnly) || file.write(PropertyList::toXml(stored)) < 0)
        return {};
    return separators;
}

} // namespace e2e
