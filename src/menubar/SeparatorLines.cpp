// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/SeparatorLines.h"

#include <iterator>
#include <vector>

namespace menubar {

namespace {
// Submenus nested deeper than this are left as they are.
constexpr int maximumNesting = 16;

void collapse(platform::Menu& menu, int nesting) {
    std::vector<std::shared_ptr<platform::MenuItem>> kept;
    // Where the separator waiting for a shown item after it stands in `kept`.
    constexpr std::ptrdiff_t none = -1;
    std::ptrdiff_t pendingLine = none;
    bool shownBefore = false;
    for (const std::shared_ptr<platform::MenuItem>& item : menu.items()) {
        if (item->isHidden()) {
            kept.push_back(item);
            continue;
        }
        if (item->isSeparator()) {
            if (shownBefore && pendingLine == none) {
                pendingLine = std::ssize(kept);
                kept.push_back(item);
            }
            continue;
        }
        if (item->submenu() && nesting < maximumNesting)
            collapse(*item->submenu(), nesting + 1);
        kept.push_back(item);
        shownBefore = true;
        pendingLine = none;
    }
    if (pendingLine != none)
        kept.erase(kept.begin() + pendingLine);
    menu.removeAllItems();
    for (std::shared_ptr<platform::MenuItem>& item : kept)
        menu.addItem(std::move(item));
}
} // namespace

void collapseSeparatorLines(platform::Menu& menu) {
    collapse(menu, 0);
}

} // namespace menubar
