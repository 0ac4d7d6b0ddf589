// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/MakerApps.h"

#include "platform/UrlSchemes.h"

#include <algorithm>

namespace kit {

namespace {
const QString softwareCentreScheme = QStringLiteral("appstream");
} // namespace

// Only Gapsel is listed: the kit answers for this application's own record,
// and listing other products here would be invented.
const QList<StoreApp>& makerApps() {
    static const QList<StoreApp> apps{
        {QStringLiteral("com.gapsel.Gapsel"), QStringLiteral("Gapsel")}};
    return apps;
}

std::optional<StoreApp> ownStoreRecord(const Metadata& metadata) {
    if (!metadata.appStoreId)
        return std::nullopt;
    const auto& apps = makerApps();
    const auto found = std::find_if(apps.begin(), apps.end(), [&](const StoreApp& app) {
        return app.appStoreId == *metadata.appStoreId;
    });
    if (found == apps.end())
        return std::nullopt;
    return *found;
}

QUrl storeProductPage(const StoreApp& app, const platform::UrlSchemes& schemes) {
    if (schemes.hasHandler(softwareCentreScheme))
        return QUrl(softwareCentreScheme + QLatin1Char(':') + app.appStoreId);
    return storeWebPage(app);
}

QUrl storeReviewPage(const StoreApp& app, const platform::UrlSchemes& schemes) {
    return storeProductPage(app, schemes);
}

QUrl storeWebPage(const StoreApp& app) {
    return QUrl(QStringLiteral("https://flathub.org/apps/") + app.appStoreId);
}

QUrl makerAppsWebPage() {
    return QUrl(QStringLiteral("https://gapsel.app/apps"));
}

} // namespace kit
