// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/AppStreamStore.h"

#include "platform/linux/PlatformLog.h"

namespace platform::xdg {

namespace {
const QString softwareCentreScheme = QStringLiteral("appstream");
} // namespace

AppStreamStore::AppStreamStore(QString componentId, QString name, const UrlSchemes& schemes)
    : apps_{{std::move(componentId), std::move(name)}}
    , schemes_(schemes) {}

QUrl AppStreamStore::productPage(const QString& id) const {
    if (schemes_.hasHandler(softwareCentreScheme))
        return QUrl(softwareCentreScheme + QLatin1Char(':') + id);
    return webPage(id);
}

QUrl AppStreamStore::webPage(const QString& id) const {
    return QUrl(QStringLiteral("https://flathub.org/apps/") + id);
}

void AppStreamStore::requestReview() {
    qCInfo(platformLog) << "Review requested; this desktop has no rating prompt to show.";
}

} // namespace platform::xdg
