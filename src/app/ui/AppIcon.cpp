// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/ui/AppIcon.h"

#include <QIconEngine>
#include <QPainter>

namespace app {

namespace {
// Draws the icon at whatever size a window asks for, when it asks: a start
// that opens no window draws nothing.
class AppIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 128.0, rect.height() / 128.0);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0x2f, 0x35, 0x42));
        painter->drawRoundedRect(QRectF(8, 8, 112, 112), 24, 24);
        painter->setBrush(QColor(0xa4, 0xb0, 0xbe));
        painter->drawEllipse(QPointF(34, 64), 10, 10);
        painter->drawEllipse(QPointF(94, 64), 10, 10);
        painter->setBrush(QColor(0xec, 0xcc, 0x68));
        painter->drawRoundedRect(QRectF(58, 30, 12, 68), 6, 6);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap drawn(size);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        paint(&painter, drawn.rect(), mode, state);
        return drawn;
    }

    QIconEngine* clone() const override { return new AppIconEngine; }
};
} // namespace

QIcon appIcon() {
    return QIcon(new AppIconEngine);
}

} // namespace app
