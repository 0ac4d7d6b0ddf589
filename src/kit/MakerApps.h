// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/Metadata.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace platform {
class UrlSchemes;
}

// The store on Linux is AppStream: software centres (GNOME Software, KDE
// Discover) read its metadata and open appstream:<component id> addresses,
// and Flathub gives every component a web page. A store record is therefore
// known by its AppStream component id.
namespace kit {

// One of the maker's applications in the store.
struct StoreApp {
    // The AppStream component id.
    QString appStoreId;
    QString name;

    friend bool operator==(const StoreApp&, const StoreApp&) = default;
};

// The maker's applications that the kit knows of.
const QList<StoreApp>& makerApps();

// The running application's own entry in makerApps(), found by the store
// identifier in its metadata; none when it has no identifier or no entry.
std::optional<StoreApp> ownStoreRecord(const Metadata& metadata);

// The application's page in the store: in the desktop's software centre when
// one opens appstream: addresses, else its web page.
QUrl storeProductPage(const StoreApp& app, const platform::UrlSchemes& schemes);
// Where the user writes a review: software centres show reviews on the
// application's own page, and there is no deeper address.
QUrl storeReviewPage(const StoreApp& app, const platform::UrlSchemes& schemes);
// The application's store page on the web, which any device opens.
QUrl storeWebPage(const StoreApp& app);

// The page of the maker's website that lists its applications.
QUrl makerAppsWebPage();

} // namespace kit
