// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/MainQueue.h"
#include "platform/Notifications.h"

#include <QStringList>

namespace platform::sim {

// A desktop that records the notifications it shows, or runs no
// notification server at all.
class SimNotifications final : public Notifications {
public:
    explicit SimNotifications(MainQueue& queue)
        : queue_(queue) {}

    void notify(const QString& summary, const QString& body, Shown shown) override {
        if (hasServer)
            bodies.append(summary + QLatin1Char('\n') + body);
        queue_.async([shown = std::move(shown), taken = hasServer] { shown(taken); });
    }

    bool hasServer = true;
    // Each shown notification: its summary, a line feed, its body.
    QStringList bodies;

private:
    MainQueue& queue_;
};

} // namespace platform::sim
