// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/GreetingPlacement.h"

#include <algorithm>

namespace platform::xdg {

namespace {
constexpr int trayInset = 60;
constexpr int gap = 5;
} // namespace

namespace {
QPoint besideItem(const QRect& screen, const QRect& item, const QSize& size) {
    const int x = item.center().x() - size.width() / 2;
    return item.center().y() < screen.center().y() ? QPoint(x, item.bottom() + gap)
                                                   : QPoint(x, item.top() - size.height() - gap);
}
} // namespace

QPoint greetingPosition(const QRect& screen, const QRect& available, const QSize& size,
                        const std::optional<QRect>& item) {
    const int trayX = available.right() - trayInset - size.width() / 2;
    const int trayY = available.bottom() - trayInset - size.height() / 2;
    QPoint position;
    if (item)
        position = besideItem(screen, *item, size);
    else if (available.top() > screen.top() || available == screen)
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

} // namespace platform::xdg
