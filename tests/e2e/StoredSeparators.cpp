// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "StoredSeparators.h"

#include "VirtualDesktop.h"

#include "defaults/PropertyList.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

namespace e2e {

QString preferencesFile(const QString& configHome) {
    return configHome + QStringLiteral("/" GAPSEL_BUNDLE_ID ".plist");
}

QVariantMap preferences(const QString& configHome) {
    return PropertyList::parse(readFile(preferencesFile(configHome))).value_or(QVariantMap());
}

QString writePreference(const VirtualDesktop& desktop, const QString& keyTypeValue) {
    return desktop.run(QStringLiteral(GAPSEL_DEFAULTS_EXECUTABLE),
                       QStringList{QStringLiteral("write"), QStringLiteral(GAPSEL_BUNDLE_ID)} +
                           keyTypeValue.split(u' '));
}

QList<StoredSeparator> storedSeparators(const QString& configHome) {
    QList<StoredSeparator> separators;
    for (const QVariant& record :
         preferences(configHome).value(QStringLiteral("separators")).toList()) {
        const QJsonObject object = QJsonDocument::fromJson(record.toString().toUtf8()).object();
        separators.append({object.value(QStringLiteral("id")).toString(),
                           object.value(QStringLiteral("character")).toString()});
    }
    return separators;
}

QList<StoredSeparator> seedSeparators(const VirtualDesktop& desktop,
                                      const QStringList& characters) {
    QList<StoredSeparator> separators;
    QString records = QStringLiteral("separators -array");
    for (const QString& character : characters) {
        separators.append(
            {QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper(), character});
        records +=
            QStringLiteral(R"( {"id":"%1","character":"%2"})").arg(separators.back().id, character);
    }
    const QString failure = writePreference(desktop, records) +
                            writePreference(desktop, QStringLiteral("JX_launchCount -int 2"));
    return failure.isEmpty() ? separators : QList<StoredSeparator>();
}

} // namespace e2e
