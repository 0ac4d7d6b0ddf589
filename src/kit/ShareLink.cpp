// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ShareLink.h"

#include "kit/MakerApps.h"

namespace kit {

QUrl shareLink(const Metadata& metadata, const platform::Store& store) {
    if (const auto record = ownStoreRecord(metadata, store))
        return store.webPage(record->id);
    if (metadata.website)
        return *metadata.website;
    return makerAppsWebPage();
}

} // namespace kit
