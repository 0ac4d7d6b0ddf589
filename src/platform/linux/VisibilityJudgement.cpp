// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/VisibilityJudgement.h"

#include "platform/linux/tray/RegisteredItemName.h"

#include <algorithm>

namespace platform::xdg {

bool namesItem(const QString& entry, const QStringList& services) {
    const QString service = RegisteredItemName::parse(entry).service;
    return !service.isEmpty() && services.contains(service);
}

HiddenVerdict judgeVisibility(const TrayItemState& state) {
    if (!state.hasWatcher)
        return {HiddenCause::NoTray, state.host};
    if (state.host == TrayHostKind::XEmbedTray)
        return {state.isDockedAndMapped ? HiddenCause::None : HiddenCause::NotTaken, state.host};
    if (!state.isHostRegistered)
        return {HiddenCause::NoTrayHost, state.host};
    const bool taken =
        std::any_of(state.registeredItems.cbegin(), state.registeredItems.cend(),
                    [&](const QString& entry) { return namesItem(entry, state.itemServices); });
    if (!taken)
        return {HiddenCause::NotTaken, state.host};
    if (state.hiddenByHostSetting)
        return {HiddenCause::HiddenByHostSetting, state.host};
    return {HiddenCause::None, state.host};
}

} // namespace platform::xdg
