// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace platform {

class StatusItem;

// What a popover says and how it is laid out, in points.
struct PopoverContent {
    QString text;
    double insets = 0;
    std::optional<double> maxWidth;
    // Whether it appears and disappears with an animation.
    bool animates = true;
};

// A small bubble that points at a status item, one at a time: the desktop
// gives a status item no view of its own to hang it on, so the desktop places
// it.
class Popover {
public:
    virtual ~Popover() = default;

    // Shows `content` pointing at `item`, replacing a bubble shown before.
    // `clicked` runs (on the main queue) when the user clicks the bubble, or
    // dismisses it where the desktop offers only that.
    virtual void show(StatusItem& item, const PopoverContent& content,
                      std::function<void()> clicked) = 0;
    // Bounces what the desktop lets us move for the item vertically by
    // `amount` over `duration` seconds: up, down, half up, half down, back.
    virtual void shake(double duration, double amount) = 0;
    // Takes the bubble away; nothing when none is shown.
    virtual void close() = 0;
};

} // namespace platform
