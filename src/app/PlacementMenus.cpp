// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/PlacementMenus.h"

#include "menubar/JXMenu.h"

#include <QCoreApplication>

namespace app {

QString placeAfterTitle(const platform::TrayItemDescription& item) {
    return item.title.isEmpty() ? item.id : item.title;
}

void addPlaceAfterSubmenu(
    JXMenu& menu, const QList<platform::TrayItemDescription>& others,
    const std::function<void(JXMenu&, const platform::TrayItemDescription&)>& addEntry) {
    if (others.isEmpty())
        return;
    auto submenu = std::make_shared<JXMenu>();
    for (const auto& item : others)
        addEntry(*submenu, item);
    menu.addSubmenuItem(QCoreApplication::translate("SeparatorPlacement", "Place After"), true,
                        [submenu] { return submenu; });
}

} // namespace app
