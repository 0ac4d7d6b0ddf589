// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Popover.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <optional>

class QPropertyAnimation;

namespace platform::xdg {

// The greeting on X11: a small frameless window above everything that takes
// neither the focus nor the pointer, so that the tray still gets the user's
// click. It sits beside the tray where its place is known, else at the
// tray's end of the panel, and shows the separator's glyph, so that the user
// knows which icon it means.
class GreetingWindow final : public QWidget {
    Q_OBJECT

public:
    GreetingWindow(const PopoverContent& content, const QString& glyph,
                   std::function<void()> clicked);

    // Places it beside `tray` (else at the panel's tray end) and shows it,
    // fading in when animated.
    void present(const std::optional<QRect>& tray);
    // Moves it up and down by `amount` pixels over `duration` seconds.
    void shake(double duration, double amount);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::function<void()> clicked_;
    bool animates_;
    QPointer<QPropertyAnimation> shaking_;
};

// Greets on X11 with a GreetingWindow, one at a time, beside the tray drawn
// at the place last given (or at the panel's tray end).
class WindowPopover final : public Popover {
public:
    ~WindowPopover() override;
    void setTray(const std::optional<QRect>& tray) { tray_ = tray; }
    void show(StatusItem& item, const PopoverContent& content,
              std::function<void()> clicked) override;
    void shake(double duration, double amount) override;
    void close() override;

private:
    QPointer<GreetingWindow> window_;
    std::optional<QRect> tray_;
};

} // namespace platform::xdg
