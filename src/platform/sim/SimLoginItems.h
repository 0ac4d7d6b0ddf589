// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/LoginItems.h"

namespace platform::sim {

// A login-item service that a test sets up and inspects.
class SimLoginItems final : public LoginItems {
public:
    LoginItemStatus currentStatus = LoginItemStatus::NotRegistered;
    // When set, register or unregister fails with it (and changes nothing).
    std::optional<Error> registerFailure;
    std::optional<Error> unregisterFailure;
    bool launchedAtLogin = false;
    QString switchedOff = QStringLiteral("SMAppService#status == .requiresApproval");
    int registerCalls = 0;
    int unregisterCalls = 0;

    LoginItemStatus status() override { return currentStatus; }
    std::optional<Error> registerApplication() override {
        ++registerCalls;
        if (registerFailure)
            return registerFailure;
        currentStatus = LoginItemStatus::Enabled;
        return std::nullopt;
    }
    std::optional<Error> unregisterApplication() override {
        ++unregisterCalls;
        if (unregisterFailure)
            return unregisterFailure;
        currentStatus = LoginItemStatus::NotRegistered;
        return std::nullopt;
    }
    bool wasLaunchedAtLogin() const override { return launchedAtLogin; }
    QString switchedOffDescription() const override { return switchedOff; }
};

} // namespace platform::sim
