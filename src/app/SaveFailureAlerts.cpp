// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/SaveFailureAlerts.h"

#include "defaults/UserDefaults.h"
#include "kit/ErrorLog.h"
#include "platform/Alerts.h"
#include "platform/MainQueue.h"

#include <QCoreApplication>

namespace app {

SaveFailureAlerts::SaveFailureAlerts(std::shared_ptr<UserDefaults> suite, platform::Alerts& alerts,
                                     platform::MainQueue& queue)
    : suite_(std::move(suite))
    , alerts_(alerts)
    , queue_(queue)
    , alive_(std::make_shared<SaveFailureAlerts*>(this)) {
    suite_->onSaveFailure(
        [this](const QString& path, const QString& reason) { report(path, reason); });
}

SaveFailureAlerts::~SaveFailureAlerts() {
    suite_->onSaveFailure(nullptr);
}

// Runs on the writing thread, maybe inside a menu action: the alert waits for
// the main queue.
void SaveFailureAlerts::report(const QString& path, const QString& reason) {
    const QString message =
        QStringLiteral("Gapsel cannot save its settings: %1: %2").arg(path, reason);
    kit::logError(platform::Error::failure(message));
    {
        const std::lock_guard lock(mutex_);
        if (told_.contains(message))
            return;
        told_.insert(message);
    }
    // The log keeps the English line; the user reads it in their language.
    const QString shown =
        QCoreApplication::translate("SaveFailureAlerts", "Gapsel cannot save its settings: %1: %2")
            .arg(path, reason);
    queue_.async([weak = std::weak_ptr<SaveFailureAlerts*>(alive_), shown] {
        if (const auto self = weak.lock())
            (**self).alerts_.presentError(platform::Error::failure(shown));
    });
}

} // namespace app
