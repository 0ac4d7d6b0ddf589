// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/linux/tray/DBusTypes.h"

#include <QHash>
#include <QPair>
#include <QString>

namespace platform::xdg {

// Titles drawn as tray icons, ready for the bus and shared between items:
// fifty em-dash separators draw their icon once and hold one copy of its
// pixels, since the byte arrays share their data.
class TitleIconCache {
public:
    DBusImageList iconsFor(const QString& title, bool dimmed);

private:
    // Separators use a handful of titles; anything beyond this starts afresh.
    static constexpr qsizetype capacity = 32;

    QHash<QPair<QString, bool>, DBusImageList> icons_;
};

} // namespace platform::xdg
