// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Notifications.h"

#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

#include <utility>

namespace platform::xdg {

// A Notify call to the desktop's notification server: from Gapsel, replacing
// nothing, with `icon`, `summary`, `body`, `actions` (pairs of key and
// label), `hints` and `expireMs` (-1: as the server likes).
QDBusMessage notifyMessage(const QString& icon, const QString& summary, const QString& body,
                           const QStringList& actions, const QVariantMap& hints, int expireMs);

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
