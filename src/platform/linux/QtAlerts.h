// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Alerts.h"

namespace platform::xdg {

// Alerts as Qt message boxes; the suppression button is the box's check box.
class QtAlerts final : public Alerts {
public:
    AlertAnswer run(const Alert& alert) override;
    void presentError(const Error& error) override;
};

} // namespace platform::xdg
