// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Key.h"

#include <QDateTime>

#include <memory>
#include <optional>

// The kit's launch bookkeeping in the preferences domain.
namespace kit::launchKeys {

inline Defaults::Key<qint64> launchCount(const std::shared_ptr<UserDefaults>& suite) {
    return {QStringLiteral("JX_launchCount"), 0, suite};
}
inline Defaults::Key<std::optional<QDateTime>>
firstLaunchDate(const std::shared_ptr<UserDefaults>& suite) {
    return {QStringLiteral("JX_firstLaunchDate"), std::nullopt, suite};
}
inline Defaults::Key<bool> wasRelaunched(const std::shared_ptr<UserDefaults>& suite) {
    return {QStringLiteral("JXApp_wasRelaunched"), false, suite};
}
inline Defaults::Key<bool> showSettingsAfterRelaunch(const std::shared_ptr<UserDefaults>& suite) {
    return {QStringLiteral("JX_isShowingSettingsAfterRelaunch"), false, suite};
}
// Run-once markers are plain Booleans, one per identifier, without a typed key.
inline QString runOnceMarker(const QString& identifier) {
    return QStringLiteral("JX_App_runOnce__") + identifier;
}

} // namespace kit::launchKeys
