// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayPlacement.h"

#include <functional>

class JXMenu;

// Menu pieces that more than one way of placing separators offers.
namespace app {

// How another program's item is named in "Place After": its title, else its
// Id.
QString placeAfterTitle(const platform::TrayItemDescription& item);

// "Place After" with one entry per item of `others`, each added by
// `addEntry`; nothing when there are no other items.
void addPlaceAfterSubmenu(
    JXMenu& menu, const QList<platform::TrayItemDescription>& others,
    const std::function<void(JXMenu&, const platform::TrayItemDescription&)>& addEntry);

} // namespace app
