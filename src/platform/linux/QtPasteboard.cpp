// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/QtPasteboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform::xdg {

void QtPasteboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

} // namespace platform::xdg
