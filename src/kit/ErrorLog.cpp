// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ErrorLog.h"

#include "kit/KitLog.h"

#include <QFileInfo>

namespace kit {

namespace {

QString describe(const QVariantMap& context) {
    QStringList entries;
    for (auto entry = context.cbegin(); entry != context.cend(); ++entry) {
        const QVariant& value = entry.value();
        const bool isList =
            value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList;
        const QString text = isList ? QLatin1Char('[') +
                                          value.toStringList().join(QLatin1String(", ")) +
                                          QLatin1Char(']')
                                    : value.toString();
        entries.append(entry.key() + QLatin1String(": ") + text);
    }
    return QLatin1Char('{') + entries.join(QLatin1String(", ")) + QLatin1Char('}');
}

} // namespace

std::optional<QString> logError(const platform::Error& error, QVariantMap context,
                                std::source_location where) {
    return logError(error, std::move(context),
                    QFileInfo(QString::fromUtf8(where.file_name())).fileName(),
                    static_cast<qint64>(where.line()));
}

std::optional<QString> logError(const platform::Error& error, QVariantMap context,
                                const QString& file, qint64 line) {
    if (error.isCancellation)
        return std::nullopt;
    context.insert(QStringLiteral("file"), file);
    context.insert(QStringLiteral("line"), line);
    context.insert(QStringLiteral("fileLine"), QStringLiteral("%1:%2").arg(file).arg(line));

    const QString record =
        QStringLiteral("[Error] %1 %2").arg(error.description, describe(context));
    qCWarning(kitLog).noquote() << record;
    return record;
}

} // namespace kit
