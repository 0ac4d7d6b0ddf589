// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

#include <functional>

namespace platform {

// Desktop notifications: a short message the desktop shows by itself, with
// no window of the program's own.
class Notifications {
public:
    // Told once, on the main queue, whether the desktop took the notification.
    using Shown = std::function<void(bool)>;

    virtual ~Notifications() = default;

    virtual void notify(const QString& summary, const QString& body, Shown shown) = 0;
};

} // namespace platform
