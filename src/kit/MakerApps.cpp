// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/MakerApps.h"

#include <algorithm>

namespace kit {

namespace {
constexpr char developerId[] = "471902635";
} // namespace

// Only Gapsel is listed: the kit answers for this application's own record,
// and listing other products here would be invented.
const QList<StoreApp>& makerApps() {
    static const QList<StoreApp> apps{{QStringLiteral("2873401956"), QStringLiteral("Gapsel")}};
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

QUrl makerDeveloperPage() {
    return QUrl(QStringLiteral("macappstore://apps.apple.com/developer/id") +
                QString::fromLatin1(developerId));
}

QUrl makerAppsWebPage() {
    return QUrl(QStringLiteral("https://gapsel.app/apps"));
}

} // namespace kit
