// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "app/PlacementAnchor.h"
#include "app/SeparatorItem.h"
#include "defaults/Key.h"

#include <QList>
#include <QMap>

#include <memory>

// The preferences of the separator feature, as keys over a given domain.
namespace app::keys {

// The separators, each stored as the JSON text of one SeparatorItem: in the
// order they were added, a new one right after the one whose menu made it
// where the tray lets Gapsel place separators, and on trays that order by
// arrival in the order they stand.
Defaults::Key<QList<SeparatorItem>> separators(std::shared_ptr<UserDefaults> suite);

// Every separator drawn dimmed.
Defaults::Key<bool> reducedOpacity(std::shared_ptr<UserDefaults> suite);

// Where the user placed separators after another program's item, on trays
// that sort their items or order them by arrival: the separator's Id (as the
// tray sees it) to the item it follows. Kept apart from "separators", whose
// stored form other versions read.
Defaults::Key<QMap<QString, PlacementAnchor>>
separatorPlacements(std::shared_ptr<UserDefaults> suite);

} // namespace app::keys

namespace app {

// The separator feature's keys over one domain, for the views that read them.
struct SeparatorKeys {
    explicit SeparatorKeys(const std::shared_ptr<UserDefaults>& suite)
        : separators(keys::separators(suite))
        , reducedOpacity(keys::reducedOpacity(suite))
        , separatorPlacements(keys::separatorPlacements(suite)) {}

    // The application's keys, in the user's standard domain: made once, the
    // first time they are used, and kept for the whole run.
    static const SeparatorKeys& standard();

    Defaults::Key<QList<SeparatorItem>> separators;
    Defaults::Key<bool> reducedOpacity;
    Defaults::Key<QMap<QString, PlacementAnchor>> separatorPlacements;
};

} // namespace app
