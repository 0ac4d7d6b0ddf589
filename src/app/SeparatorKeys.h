// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "app/PlacementAnchor.h"
#include "app/SeparatorItem.h"
#include "defaults/Key.h"

#include <QList>
#include <QMap>

#include <memory>

// The preferences of the separator feature, in the user's standard domain
// unless a test hands in another.
namespace app::keys {

// The separators in the order they were added; each stored as the JSON text
// of one SeparatorItem.
inline Defaults::Key<QList<SeparatorItem>>
separators(std::shared_ptr<UserDefaults> suite = UserDefaults::standard()) {
    return {QStringLiteral("separators"), {}, std::move(suite)};
}

// Every separator drawn dimmed.
inline Defaults::Key<bool>
reducedOpacity(std::shared_ptr<UserDefaults> suite = UserDefaults::standard()) {
    return {QStringLiteral("reducedOpacity"), false, std::move(suite)};
}

// Where the user placed separators on trays that sort their items: the
// separator's Id (as the tray sees it) to the item it follows. Kept apart
// from "separators", whose stored form other versions read.
inline Defaults::Key<QMap<QString, PlacementAnchor>>
separatorPlacements(std::shared_ptr<UserDefaults> suite = UserDefaults::standard()) {
    return {QStringLiteral("separatorPlacements"), {}, std::move(suite)};
}

} // namespace app::keys
