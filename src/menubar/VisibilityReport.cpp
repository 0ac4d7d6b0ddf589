// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/VisibilityReport.h"

#include "kit/ErrorLog.h"

#include <QStringList>

#include <cmath>

namespace menubar {

QString formattedDuration(double seconds) {
    const auto total = static_cast<qint64>(std::llround(std::max(seconds, 0.0)));
    const qint64 hours = total / 3600;
    const qint64 minutes = total % 3600 / 60;
    const qint64 rest = total % 60;
    if (hours > 0)
        return QStringLiteral("%1h %2m %3s").arg(hours).arg(minutes).arg(rest);
    if (minutes > 0)
        return QStringLiteral("%1m %2s").arg(minutes).arg(rest);
    return QStringLiteral("%1s").arg(rest);
}

kit::ErrorContext VisibilityReport::context() const {
    return kit::ErrorContext{
               {QStringLiteral("hasMainScreen"), hasMainScreen},
               {QStringLiteral("isDarkWake"), isDarkWake},
               {QStringLiteral("uptime"), formattedDuration(uptime)},
               {QStringLiteral("uptimeIncludingSleep"), formattedDuration(uptimeIncludingSleep)},
               {QStringLiteral("appUptime"), formattedDuration(appUptime)},
               {QStringLiteral("wasLaunchedAtLogin"), wasLaunchedAtLogin},
           } +
           desktopFacts;
}

void VisibilityReport::send() const {
    kit::logError(platform::Error::failure(errorMessage()), context(), sourceFile(), sourceLine);
}

} // namespace menubar
