// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ui/WindowCentring.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kit {

QScreen* screenToOpenOn() {
    if (QScreen* underPointer = QGuiApplication::screenAt(QCursor::pos()))
        return underPointer;
    return QGuiApplication::primaryScreen();
}

void centreOnScreen(QWidget& window, QScreen* screen) {
    window.adjustSize();
    if (!screen)
        return;
    window.setScreen(screen);
    window.move(screen->availableGeometry().center() - window.rect().center());
}

} // namespace kit
