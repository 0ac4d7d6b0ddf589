// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TitleIconCache.h"

#include "platform/linux/tray/TitleIcon.h"

namespace platform::xdg {

DBusImageList TitleIconCache::iconsFor(const QString& title, bool dimmed) {
    const QPair<QString, bool> key(title, dimmed);
    if (const auto found = icons_.constFind(key); found != icons_.cend())
        return found.value();
    if (icons_.size() >= capacity)
        icons_.clear();
    DBusImageList icons;
    for (const QImage& image : TitleIcon(title, dimmed).renderAll())
        icons.append(toDBusImage(image));
    icons_.insert(key, icons);
    return icons;
}

} // namespace platform::xdg
