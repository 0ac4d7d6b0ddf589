// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Binding.h"
#include "menubar/StatusItemWidth.h"
#include "platform/StatusBar.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class JXMenu;

// One status item, described as a value: what it shows, how wide it is, its
// menu and what a click does. A MenuBarItem::Coordinator keeps a live status
// item in step with the newest description it is given.
struct MenuBarItem {
    // Called with the click's event; with a menu present, true means "open
    // the menu now", false "the click is handled".
    using Action = std::function<bool(const platform::Event&)>;
    using BuildMenu = std::function<void(JXMenu&)>;
    class Coordinator;

    // The status item's autosave name, under which the desktop remembers its place.
    std::optional<QString> id;
    // Absent shows an empty title.
    std::optional<QString> title;
    // Replaces the title when present.
    std::optional<platform::AttributedText> attributedTitle;
    std::optional<QImage> icon;
    menubar::StatusItemWidth width = menubar::StatusItemWidth::variable();
    // Drawn dimmed; it still works.
    bool appearsDisabled = false;
    // Fills the (emptied) menu each time it is about to open; absent: no menu.
    BuildMenu buildMenu;
    // Mirrors whether the menu is open, both ways.
    std::optional<Defaults::Binding<bool>> isMenuOpen;
    std::optional<QString> accessibilityTitle;
    std::optional<QString> accessibilityLabel;
    std::optional<QString> accessibilityValue;
    Action action;
};
