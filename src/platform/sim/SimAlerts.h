// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Alerts.h"

#include <QList>

#include <deque>

namespace platform::sim {

// Alerts answered from a script. An alert the script did not foresee is
// answered with its last button, as pressing Escape on a "Cancel" would.
class SimAlerts final : public Alerts {
public:
    AlertAnswer run(const Alert& alert) override;
    void presentError(const Error& error) override { presentedErrors_.append(error); }

    void answerNext(AlertAnswer answer) { script_.push_back(answer); }

    const QList<Alert>& shownAlerts() const { return shown_; }
    const QList<Error>& presentedErrors() const { return presentedErrors_; }

private:
    std::deque<AlertAnswer> script_;
    QList<Alert> shown_;
    QList<Error> presentedErrors_;
};

} // namespace platform::sim
