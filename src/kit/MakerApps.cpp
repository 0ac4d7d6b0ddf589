// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/MakerApps.h"

#include <algorithm>

namespace kit {

std::optional<StoreApp> ownStoreRecord(const Metadata& metadata, const platform::Store& store) {
    if (!metadata.appStoreId)
        return std::nullopt;
    const auto& apps = store.makerApps();
    const auto found = std::find_if(apps.begin(), apps.end(), [&](const StoreApp& app) {
        return app.id == *metadata.appStoreId;
    });
    if (found == apps.end())
        return std::nullopt;
    return *found;
}

QUrl makerAppsPage(const Metadata& metadata, const platform::Store& store) {
    if (const auto developerPage = store.developerPage();
        developerPage && ownStoreRecord(metadata, store))
        return *developerPage;
    return makerAppsWebPage();
}

QUrl makerAppsWebPage() {
    return QUrl(QStringLiteral("https://gapsel.app/apps"));
}

} // namespace kit
