// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "keys/GapselKeys.h"

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

Defaults::Key<qint64> launchCount(const std::shared_ptr<UserDefaults>& suite) {
    return {QStringLiteral("JX_launchCount"), 0, suite};
}

Defaults::Key<std::optional<QDateTime>>
firstLaunchDate(const std::shared_ptr<UserDefaults>& suite) {
    return {QStringLiteral("JX_firstLaunchDate"), std::nullopt, suite};
}

Defaults::Key<bool> wasRelaunched(const std::shared_ptr<UserDefaults>& suite) {
    return {QStringLiteral("JXApp_wasRelaunched"), false, suite};
}

Defaults::Key<bool> showSettingsAfterRelaunch(const std::shared_ptr<UserDefaults>& suite) {
    return {QStringLiteral("JX_isShowingSettingsAfterRelaunch"), false, suite};
}

QString runOnceMarker(const QString& identifier) {
    return QStringLiteral("JX_App_runOnce__") + identifier;
}

Defaults::Key<qint64> reviewRequestCount(const std::shared_ptr<UserDefaults>& suite) {
    return {QStringLiteral("JXApp_requestReview"), 0, suite};
}

Defaults::Key<bool> visibilityCheckShouldNotShowAgain(const std::shared_ptr<UserDefaults>& suite) {
    return {QStringLiteral("JX_NSStatusItem_ensureVisibility_shouldNotShowAgain"), false, suite};
}

Defaults::Key<qint64> tooltipCounter(const QString& identifier,
                                     const std::shared_ptr<UserDefaults>& suite) {
    return {QStringLiteral("JX_Tooltip_") + identifier, 0, suite};
}

} // namespace keys
