// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Key.h"
#include "keys/PlacementAnchor.h"
#include "keys/SeparatorItem.h"

#include <QDateTime>
#include <QList>
#include <QMap>

#include <memory>
#include <optional>

// Every key Gapsel keeps in its preferences domain, with its kind and its
// default, in one place: the program and gapsel-defaults both read them here.
namespace keys {

// --- The separators ---------------------------------------------------------

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

// The separator feature's keys over one domain, for the views that read them.
struct SeparatorKeys {
    explicit SeparatorKeys(const std::shared_ptr<UserDefaults>& suite)
        : separators(keys::separators(suite))
        , reducedOpacity(keys::reducedOpacity(suite))
        , separatorPlacements(keys::separatorPlacements(suite)) {}

    Defaults::Key<QList<SeparatorItem>> separators;
    Defaults::Key<bool> reducedOpacity;
    Defaults::Key<QMap<QString, PlacementAnchor>> separatorPlacements;
};

// --- Launch bookkeeping -------------------------------------------------------

// The number of the last launch; it only grows.
Defaults::Key<qint64> launchCount(const std::shared_ptr<UserDefaults>& suite);
Defaults::Key<std::optional<QDateTime>> firstLaunchDate(const std::shared_ptr<UserDefaults>& suite);
// Set by a relaunch for the start it makes, which clears it.
Defaults::Key<bool> wasRelaunched(const std::shared_ptr<UserDefaults>& suite);
Defaults::Key<bool> showSettingsAfterRelaunch(const std::shared_ptr<UserDefaults>& suite);
// Run-once markers are plain Booleans, one per identifier, without a typed key.
QString runOnceMarker(const QString& identifier);

// --- Prompts and hints --------------------------------------------------------

// How many launches passed the review request's guards; it only grows.
Defaults::Key<qint64> reviewRequestCount(const std::shared_ptr<UserDefaults>& suite);
// The user asked the visibility check never to warn again.
Defaults::Key<bool> visibilityCheckShouldNotShowAgain(const std::shared_ptr<UserDefaults>& suite);
// How often the hint popover with this identifier was shown.
Defaults::Key<qint64> tooltipCounter(const QString& identifier,
                                     const std::shared_ptr<UserDefaults>& suite);

} // namespace keys
