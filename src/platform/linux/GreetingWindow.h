// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Popover.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QPropertyAnimation;

namespace platform::xdg {

// The greeting on X11: a small frameless window above everything that takes
// neither the focus nor the pointer, so that the tray still gets the user's
// click. It sits at the tray's end of the panel.
class GreetingWindow final : public QWidget {
    Q_OBJECT

public:
    GreetingWindow(const PopoverContent& content, std::function<void()> clicked);

    // Places it (beside `item` where the tray tells where it is) and shows
    // it, fading in when animated.
    void present(const std::optional<QRect>& item);
    // Moves it up and down by `amount` pixels over `duration` seconds.
    void shake(double duration, double amount);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::function<void()> clicked_;
    bool animates_;
    QPointer<QPropertyAnimation> shaking_;
};

// Greets on X11 with a GreetingWindow, one at a time.
class WindowPopover final : public Popover {
public:
    ~WindowPopover() override;
    void show(StatusItem& item, const PopoverContent& content,
              std::function<void()> clicked) override;
    void shake(double duration, double amount) override;
    void close() override;

private:
    QPointer<GreetingWindow> window_;
};

} // namespace platform::xdg
