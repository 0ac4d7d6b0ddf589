// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ErrorLog.h"

#include "kit/KitLog.h"

#include <QFileInfo>

namespace kit {

namespace {

QString describe(const ErrorContext& context) {
    QStringList entries;
    for (const auto& [name, value] : context) {
        const bool isList =
            value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList;
        const QString text = isList ? QLatin1Char('[') +
                                          value.toStringList().join(QLatin1String(", ")) +
                                          QLatin1Char(']')
                                    : value.toString();
        entries.append(name + QLatin1String(": ") + text);
    }
    return QLatin1Char('{') + entries.join(QLatin1String(", ")) + QLatin1Char('}');
}

} // namespace

std::optional<QString> logError(const platform::Error& error, QVariantMap context,
                                std::source_location where) {
    ErrorContext ordered;
    for (auto [name, value] : context.asKeyValueRange())
        ordered.append({name, value});
    return logError(error, std::move(ordered),
                    QFileInfo(QString::fromUtf8(where.file_name())).fileName(),
                    static_cast<qint64>(where.line()));
}

std::optional<QString> logError(const platform::Error& error, ErrorContext context,
                                const QString& file, qint64 line) {
    if (error.isCancellation)
        return std::nullopt;
    context.append({QStringLiteral("file"), file});
    context.append({QStringLiteral("line"), line});
    context.append({QStringLiteral("fileLine"), QStringLiteral("%1:%2").arg(file).arg(line)});

    const QString record =
        QStringLiteral("[Error] %1 %2").arg(error.description, describe(context));
    qCWarning(kitLog).noquote() << record;
    return record;
}

} // namespace kit
