// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/QtPasteboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform::xdg {

void QtPasteboard::setContents(const QMap<QString, QByteArray>& dataByType) {
    auto* mime = new QMimeData;
    for (auto entry = dataByType.cbegin(); entry != dataByType.cend(); ++entry) {
        if (entry.key() == QLatin1String(PasteboardType::plainText))
            mime->setText(QString::fromUtf8(entry.value()));
        else
            mime->setData(entry.key(), entry.value());
    }
    // The clipboard owns the data from here on.
    QGuiApplication::clipboard()->setMimeData(mime);
}

} // namespace platform::xdg
