// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QRect>

namespace debug {

// Centred horizontally in the screen's available area and raised above its
// vertical centre by 0.12 of the area's height, but never above its top.
inline QPoint placeAboveCentre(const QRect& available, const QSize& window) {
    const int x = available.x() + (available.width() - window.width()) / 2;
    const int centred = available.y() + (available.height() - window.height()) / 2;
    const int raised = centred - static_cast<int>(available.height() * 0.12);
    return {x, qMax(available.y(), raised)};
}

} // namespace debug
