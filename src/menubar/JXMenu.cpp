// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/JXMenu.h"

void JXMenu::whenClosed(std::function<void()> work) {
    if (isOpen_)
        closeWork_.push_back(std::move(work));
    else
        work();
}

void JXMenu::menuNeedsUpdate() {
    needsUpdateSubject_.send();
    if (onUpdate)
        onUpdate();
    if (onUpdateLegacy)
        onUpdateLegacy(*this);
}

void JXMenu::menuWillOpen() {
    setOpen(true);
}

void JXMenu::menuDidClose() {
    setOpen(false);
    for (auto& work : std::exchange(closeWork_, {}))
        work();
}

void JXMenu::setOpen(bool open) {
    isOpen_ = open;
    isOpenSubject_.send(open);
    if (onOpenClose)
        onOpenClose(open);
}

CallbackMenuItem& JXMenu::addCallbackItem(QString title, const CallbackMenuItem::Options& options,
                                          std::function<void()> callback) {
    auto item = std::make_shared<CallbackMenuItem>(std::move(title), options, std::move(callback));
    CallbackMenuItem& added = *item;
    addItem(std::move(item));
    return added;
}

platform::MenuItem&
JXMenu::addSubmenuItem(QString title, bool isEnabled,
                       const std::function<std::shared_ptr<platform::Menu>()>& submenu) {
    platform::MenuItem& item = addPlainItem(std::move(title));
    item.setEnabled(isEnabled);
    item.setSubmenu(isEnabled ? submenu() : std::make_shared<JXMenu>());
    return item;
}

platform::MenuItem& JXMenu::addSeparator() {
    auto line = platform::MenuItem::separator();
    platform::MenuItem& added = *line;
    addItem(std::move(line));
    return added;
}

// The title has no font of its own, so the heading takes the system font at
// the small size.
platform::MenuItem& JXMenu::addHeader(const QString& title, bool hasSeparatorAbove) {
    if (hasSeparatorAbove)
        addSeparator();
    platform::MenuItem& header = addPlainItem(QString());
    header.setEnabled(false);
    header.setAttributedTitle({title, platform::FontStyle::SmallSystem});
    return header;
}

platform::MenuItem& JXMenu::addPlainItem(QString title) {
    auto item = std::make_shared<platform::MenuItem>(std::move(title));
    platform::MenuItem& added = *item;
    addItem(std::move(item));
    return added;
}
