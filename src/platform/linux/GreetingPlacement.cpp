// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/GreetingPlacement.h"

#include <algorithm>

namespace platform::xdg {

namespace {
constexpr int trayInset = 60;
constexpr int gap = 5;
} // namespace

QPoint greetingPosition(const QRect& screen, const QRect& available, const QSize& size) {
    const int trayX = available.right() - trayInset - size.width() / 2;
    const int trayY = available.bottom() - trayInset - size.height() / 2;
    QPoint position;
    if (available.top() > screen.top() || available == screen)
        position = {trayX, available.top() + gap};
    else if (available.bottom() < screen.bottom())
        position = {trayX, available.bottom() - size.height() - gap};
    else if (available.left() > screen.left())
        position = {available.left() + gap, trayY};
    else
        position = {available.right() - size.width() - gap, trayY};
    const int x = std::clamp(position.x(), screen.left(), screen.right() - size.width());
    const int y = std::clamp(position.y(), screen.top(), screen.bottom() - size.height());
    return {x, y};
}

QPoint greetingBesideTray(const QRect& screen, const QRect& tray, const QSize& size) {
    const QPoint centre = tray.center();
    // The panel lies along the screen edge the tray is nearest to; in a
    // corner, where it touches two, panels are far more often horizontal.
    const int toTop = tray.top() - screen.top();
    const int toBottom = screen.bottom() - tray.bottom();
    const int toLeft = tray.left() - screen.left();
    const int toRight = screen.right() - tray.right();
    const bool horizontal = std::min(toTop, toBottom) <= std::min(toLeft, toRight);
    QPoint position;
    if (horizontal && toTop <= toBottom)
        position = {centre.x() - size.width() / 2, tray.bottom() + 1 + gap};
    else if (horizontal)
        position = {centre.x() - size.width() / 2, tray.top() - size.height() - gap};
    else if (toLeft <= toRight)
        position = {tray.right() + 1 + gap, centre.y() - size.height() / 2};
    else
        position = {tray.left() - size.width() - gap, centre.y() - size.height() / 2};
    const int x = std::clamp(position.x(), screen.left(), screen.right() - size.width());
    const int y = std::clamp(position.y(), screen.top(), screen.bottom() - size.height());
    return {x, y};
}

} // namespace platform::xdg
