// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/Metadata.h"
#include "platform/Store.h"

#include <QUrl>

#include <optional>

namespace kit {

using StoreApp = platform::StoreApp;

// The running application's own entry among the store's maker apps, found by
// the store identifier in its metadata; none when it has no identifier or no
// entry.
std::optional<StoreApp> ownStoreRecord(const Metadata& metadata, const platform::Store& store);

// Where "More Apps by Me" leads: the maker's page in the store when the
// application has a store record and the store a maker's page, else the
// page of the maker's website that lists its applications.
QUrl makerAppsPage(const Metadata& metadata, const platform::Store& store);

// The page of the maker's website that lists its applications.
QUrl makerAppsWebPage();

} // namespace kit
