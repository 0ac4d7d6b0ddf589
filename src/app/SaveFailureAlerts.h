// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QSet>
#include <QString>

#include <memory>
#include <mutex>

class UserDefaults;

namespace platform {
class Alerts;
class MainQueue;
} // namespace platform

namespace app {

// When the preferences cannot be saved, the error log says why at once and
// the user is told on the main queue: "Gapsel cannot save its settings:
// <path>: <reason>", once per cause, not once per click.
class SaveFailureAlerts {
public:
    SaveFailureAlerts(std::shared_ptr<UserDefaults> suite, platform::Alerts& alerts,
                      platform::MainQueue& queue);
    ~SaveFailureAlerts();
    SaveFailureAlerts(const SaveFailureAlerts&) = delete;
    SaveFailureAlerts& operator=(const SaveFailureAlerts&) = delete;

private:
    void report(const QString& path, const QString& reason);

    std::shared_ptr<UserDefaults> suite_;
    platform::Alerts& alerts_;
    platform::MainQueue& queue_;
    std::mutex mutex_;
    QSet<QString> told_;
    std::shared_ptr<SaveFailureAlerts*> alive_;
};

} // namespace app
