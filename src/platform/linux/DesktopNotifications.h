// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Notifications.h"

#include <utility>

namespace platform::xdg {

// Notifications through the desktop's notification server
// (org.freedesktop.Notifications on the session bus). Without a session bus,
// or with no server that answers, the notification is not taken.
class DesktopNotifications final : public Notifications {
public:
    explicit DesktopNotifications(QString desktopEntry)
        : desktopEntry_(std::move(desktopEntry)) {}

    void notify(const QString& summary, const QString& body, Shown shown) override;

private:
    QString desktopEntry_;
};

} // namespace platform::xdg
