// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/Metadata.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace kit {

// One of the maker's applications in the app store.
struct StoreApp {
    QString appStoreId;
    QString name;

    friend bool operator==(const StoreApp&, const StoreApp&) = default;
};

// The maker's applications that the kit knows of.
const QList<StoreApp>& makerApps();

// The running application's own entry in makerApps(), found by the store
// identifier in its metadata; none when it has no identifier or no entry.
std::optional<StoreApp> ownStoreRecord(const Metadata& metadata);

// The maker's developer page in the app store, listing all its applications.
QUrl makerDeveloperPage();
// The page of the maker's website that lists its applications, for builds
// that do not come from the store.
QUrl makerAppsWebPage();

} // namespace kit
