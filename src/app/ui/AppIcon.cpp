// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/ui/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace app {

namespace {
QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 128.0, size / 128.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2f, 0x35, 0x42));
    painter.drawRoundedRect(QRectF(8, 8, 112, 112), 24, 24);
    painter.setBrush(QColor(0xa4, 0xb0, 0xbe));
    painter.drawEllipse(QPointF(34, 64), 10, 10);
    painter.drawEllipse(QPointF(94, 64), 10, 10);
    painter.setBrush(QColor(0xec, 0xcc, 0x68));
    painter.drawRoundedRect(QRectF(58, 30, 12, 68), 6, 6);
    return pixmap;
}
} // namespace

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 32, 64, 128})
        icon.addPixmap(drawIcon(size));
    return icon;
}

} // namespace app
