// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Error.h"

#include <QString>

#include <optional>

namespace platform {

// How the desktop's login-item service sees this application.
enum class LoginItemStatus {
    NotRegistered = 0,
    Enabled = 1,
    // Registered, but switched off by the user or the desktop.
    RequiresApproval = 2,
    // Registered, but what it would start is not there.
    NotFound = 3,
};

// Starting the application when the user logs in. The registration is the
// desktop's: nothing about it is stored elsewhere, and every call asks afresh.
class LoginItems {
public:
    virtual ~LoginItems() = default;

    virtual LoginItemStatus status() = 0;
    // Each returns the service's error when it could not do it.
    virtual std::optional<Error> registerApplication() = 0;
    virtual std::optional<Error> unregisterApplication() = 0;
    // Whether this run was started by the login mechanism.
    virtual bool wasLaunchedAtLogin() const = 0;
    // For the error log: the desktop's own words for RequiresApproval.
    virtual QString switchedOffDescription() const = 0;
};

} // namespace platform
