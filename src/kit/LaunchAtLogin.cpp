// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/LaunchAtLogin.h"

#include "kit/ErrorLog.h"

namespace JXApp {

using platform::LoginItemStatus;

LaunchAtLoginObservable::LaunchAtLoginObservable(platform::LoginItems& loginItems,
                                                 platform::Alerts& alerts,
                                                 platform::MainQueue& queue)
    : loginItems_(loginItems)
    , alerts_(alerts)
    , queue_(queue) {}

bool LaunchAtLoginObservable::isEnabled() const {
    switch (loginItems_.status()) {
    case LoginItemStatus::Enabled:
        return true;
    case LoginItemStatus::NotRegistered:
    case LoginItemStatus::NotFound:
        return false;
    case LoginItemStatus::RequiresApproval:
        kit::logError(platform::Error::failure(loginItems_.switchedOffDescription()));
        return false;
    }
    kit::logError(
        platform::Error::failure(QStringLiteral("Received a new enum case. Please handle it.")));
    return false;
}

void LaunchAtLoginObservable::setEnabled(bool enabled) {
    objectWillChange.send();
    std::optional<platform::Error> failure;
    if (enabled) {
        // Registering an enabled item again refreshes it; a failure to take the
        // old one away first does not matter.
        if (loginItems_.status() == LoginItemStatus::Enabled)
            loginItems_.unregisterApplication();
        failure = loginItems_.registerApplication();
    } else {
        failure = loginItems_.unregisterApplication();
    }
    if (!failure)
        return;
    kit::logError(*failure, {{QStringLiteral("newValue"), enabled}});
    queue_.async([&alerts = alerts_, error = *failure] { alerts.presentError(error); });
}

} // namespace JXApp
