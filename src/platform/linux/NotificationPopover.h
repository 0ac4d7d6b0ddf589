// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Popover.h"

#include <QObject>

namespace platform::xdg {

// The greeting on Wayland, where a client can neither place a window nor
// open a popup without a parent window of its own: a desktop notification
// (org.freedesktop.Notifications) with the same text. The user closing it or
// choosing its action counts as the click on the greeting.
class NotificationPopover final : public QObject, public Popover {
    Q_OBJECT

public:
    static constexpr int expireMilliseconds = 5000;

    NotificationPopover();
    void show(StatusItem& item, const PopoverContent& content,
              std::function<void()> clicked) override;
    // A notification is the desktop's to draw: it does not bounce.
    void shake(double, double) override {}
    void close() override;

private Q_SLOTS:
    void notificationClosed(uint id, uint reason);
    void actionInvoked(uint id, const QString& action);

private:
    void answered(uint id);

    uint shownId_ = 0;
    std::function<void()> clicked_;
};

} // namespace platform::xdg
