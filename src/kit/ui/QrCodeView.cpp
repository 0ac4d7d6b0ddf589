// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ui/QrCodeView.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace kit {

QrCodeView::QrCodeView(const QString& text, QrErrorCorrection errorCorrection, QWidget* parent)
    : QWidget(parent)
    , code_(QrCode::encode(text, errorCorrection)) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void QrCodeView::paintEvent(QPaintEvent*) {
    if (code_.isEmpty())
        return;
    const int side = std::min(width(), height());
    const QrPlacement placement = placeQrCode(code_.size(), side);
    const QPoint corner((width() - side) / 2 + placement.origin,
                        (height() - side) / 2 + placement.origin);
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::WindowText);
    for (int row = 0; row < code_.size(); ++row) {
        for (int column = 0; column < code_.size(); ++column) {
            if (code_.isDark(column, row))
                painter.fillRect(corner.x() + column * placement.modulePixels,
                                 corner.y() + row * placement.modulePixels, placement.modulePixels,
                                 placement.modulePixels, ink);
        }
    }
}

// The modules follow the theme: a switch between light and dark repaints them.
void QrCodeView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

} // namespace kit
