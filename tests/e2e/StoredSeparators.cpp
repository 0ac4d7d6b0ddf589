// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "StoredSeparators.h"

#include "VirtualDesktop.h"

#include "defaults/PropertyList.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace e2e {

QString preferencesFile(const QString& configHome) {
    return configHome + QStringLiteral("/" GAPSEL_BUNDLE_ID ".plist");
}

QVariantMap preferences(const QString& configHome) {
    return Defaults::parsePropertyList(readFile(preferencesFile(configHome)))
        .value_or(QVariantMap());
}

QString writePreference(const VirtualDesktop& desktop, const QString& keyTypeValue) {
    return desktop.run(QStringLiteral(GAPSEL_DEFAULTS_EXECUTABLE),
                       QStringList{u"write"_s, QStringLiteral(GAPSEL_BUNDLE_ID)} +
                           keyTypeValue.split(u' '));
}

QList<StoredSeparator> storedSeparators(const QString& configHome) {
    QList<StoredSeparator> separators;
    for (const QVariant& record : preferences(configHome).value(u"separators"_s).toList()) {
        const QJsonObject object = QJsonDocument::fromJson(record.toString().toUtf8()).object();
        separators.append(
            {object.value(u"id"_s).toString(), object.value(u"character"_s).toString()});
    }
    return separators;
}

QString writeSeparators(const VirtualDesktop& desktop, const QList<StoredSeparator>& separators) {
    QString records = u"separators -array"_s;
    for (const StoredSeparator& separator : separators)
        records += QStringLiteral(R"( {"id":"%1","character":"%2"})")
                       .arg(separator.id, separator.character);
    return writePreference(desktop, records);
}

QList<StoredSeparator> seedSeparators(const VirtualDesktop& desktop,
                                      const QStringList& characters) {
    QList<StoredSeparator> separators;
    for (const QString& character : characters)
        separators.append(
            {QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper(), character});
    const QString failure =
        writeSeparators(desktop, separators) + writePreference(desktop, u"JX_launchCount -int 2"_s);
    return failure.isEmpty() ? separators : QList<StoredSeparator>();
}

} // namespace e2e
