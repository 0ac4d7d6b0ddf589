// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

namespace platform::xdg {

// One entry of a watcher's RegisteredStatusNotifierItems, taken apart.
// Watchers write the bus name alone, the name followed by the object path
// (KDE's, XFCE's, LXQt's and Waybar's: ":1.5/StatusNotifierItem") or the two
// joined by '@' (GNOME's extension: ":1.5@/StatusNotifierItem"). A bus name
// holds neither '/' nor '@', so the first of them ends it.
struct RegisteredItemName {
    QString service;
    // The usual item path where the entry names none.
    QString path;

    static RegisteredItemName parse(const QString& entry);
};

} // namespace platform::xdg
