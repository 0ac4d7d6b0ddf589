// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/XdgUrlSchemes.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <optional>

namespace platform::xdg {

namespace {

constexpr int queryTimeoutMs = 3000;

// None when xdg-mime could not be asked at all.
std::optional<bool> askXdgMime(const QString& mimeType) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(queryTimeoutMs) || query.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

bool mimeCacheNames(const QString& mimeType) {
    const QByteArray prefix = mimeType.toUtf8() + '=';
    const QStringList caches = QStandardPaths::locateAll(QStandardPaths::ApplicationsLocation,
                                                         QStringLiteral("mimeinfo.cache"));
    for (const QString& path : caches) {
        QFile cache(path);
        if (!cache.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : cache.readAll().split('\n')) {
            if (line.startsWith(prefix) && line.size() > prefix.size())
                return true;
        }
    }
    return false;
}

} // namespace

bool XdgUrlSchemes::hasHandler(const QString& scheme) const {
    return hasHandlerForType(QStringLiteral("x-scheme-handler/") + scheme);
}

bool XdgUrlSchemes::hasHandlerForType(const QString& mimeType) const {
    if (const auto answer = askXdgMime(mimeType))
        return *answer;
    return mimeCacheNames(mimeType);
}

} // namespace platform::xdg
