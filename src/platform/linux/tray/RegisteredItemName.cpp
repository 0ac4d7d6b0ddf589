// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/RegisteredItemName.h"

#include "platform/linux/tray/TrayItemExport.h"

#include <algorithm>

namespace platform::xdg {

RegisteredItemName RegisteredItemName::parse(const QString& entry) {
    const auto end = std::find_if(entry.begin(), entry.end(), [](QChar c) {
        return c == QLatin1Char('/') || c == QLatin1Char('@');
    });
    const qsizetype length = end - entry.begin();
    QString path = entry.mid(length);
    if (path.startsWith(QLatin1Char('@')))
        path.remove(0, 1);
    return {entry.left(length), path.isEmpty() ? TrayItemExport::itemPath() : path};
}

} // namespace platform::xdg
