// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/SeparatorKeys.h"

namespace app {

namespace keys {

Defaults::Key<QList<SeparatorItem>> separators(std::shared_ptr<UserDefaults> suite) {
    return {QStringLiteral("separators"), {}, std::move(suite)};
}

Defaults::Key<bool> reducedOpacity(std::shared_ptr<UserDefaults> suite) {
    return {QStringLiteral("reducedOpacity"), false, std::move(suite)};
}

Defaults::Key<QMap<QString, PlacementAnchor>>
separatorPlacements(std::shared_ptr<UserDefaults> suite) {
    return {QStringLiteral("separatorPlacements"), {}, std::move(suite)};
}

} // namespace keys

const SeparatorKeys& SeparatorKeys::standard() {
    static const SeparatorKeys keys(UserDefaults::standard());
    return keys;
}

} // namespace app
