// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Alerts.h"

namespace platform::xdg {

// Alerts as Qt message boxes; the suppression button is the box's check box.
// Each box is titled `title`, the application's name.
class QtAlerts final : public Alerts {
public:
    explicit QtAlerts(QString title)
        : title_(std::move(title)) {}

    AlertAnswer run(const Alert& alert) override;
    void presentError(const Error& error) override;

private:
    QString title_;
};

} // namespace platform::xdg
