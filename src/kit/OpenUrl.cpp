// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/OpenUrl.h"

#include "kit/ErrorLog.h"
#include "platform/Alerts.h"
#include "platform/Workspace.h"

namespace kit {

bool openUrlOrTell(platform::Workspace& workspace, platform::Alerts& alerts, const QUrl& url) {
    if (workspace.openUrl(url))
        return true;
    const QString address = url.toString();
    const auto error = platform::Error::failure(
        QStringLiteral("No application on this desktop opens \u201c%1\u201d.").arg(address));
    logError(error, {{QStringLiteral("url"), address}});
    alerts.presentError(error);
    return false;
}

} // namespace kit
