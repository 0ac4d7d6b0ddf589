// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/sim/SimStatusBar.h"

#include <algorithm>

namespace platform::sim {

namespace {

bool isPress(EventType type) {
    return type == EventType::LeftMouseDown || type == EventType::RightMouseDown;
}

// The visible, enabled, choosable item of `menu` that shows `text`.
std::shared_ptr<MenuItem> findChoosable(const Menu& menu, const QString& text) {
    const auto& items = menu.items();
    const auto found = std::find_if(items.begin(), items.end(), [&](const auto& item) {
        return !item->isSeparator() && !item->isHidden() && item->isEnabled() &&
               item->displayedText() == text;
    });
    return found == items.end() ? nullptr : *found;
}

} // namespace

void SimStatusBarButton::performClick() {
    if (item_.menu()) {
        item_.openMenu();
        return;
    }
    if (action_)
        action_(Event{});
}

void SimStatusBarButton::receive(const Event& event) {
    if (item_.menu()) {
        if (isPress(event.type))
            item_.openMenu();
        return;
    }
    if ((sendActionOn_ & eventMask(event.type)) && action_) {
        // The action may replace itself while it runs.
        const Action action = action_;
        action(event);
    }
}

void SimStatusBarButton::click(bool rightButton) {
    // The recognizer may remove itself while it runs.
    if (const std::function<void()> recognizer = clickRecognizer_)
        recognizer();
    const EventType press = rightButton ? EventType::RightMouseDown : EventType::LeftMouseDown;
    const EventType release = rightButton ? EventType::RightMouseUp : EventType::LeftMouseUp;
    receive(Event{press, true});
    if (!item_.isMenuOpen())
        receive(Event{release, true});
}

SimStatusItem::~SimStatusItem() {
    if (shownMenu_)
        shownMenu_->setCancelTracking({});
}

const Menu* SimStatusItem::openMenu() {
    if (shownMenu_)
        return shownMenu_.get();
    if (!menu_)
        return nullptr;
    shownMenu_ = menu_;
    shownMenu_->menuNeedsUpdate();
    shownMenu_->menuWillOpen();
    shownMenu_->setCancelTracking([this] { closeMenu(); });
    button_.highlight(true);
    return shownMenu_.get();
}

void SimStatusItem::closeMenu() {
    if (!shownMenu_)
        return;
    const std::shared_ptr<Menu> closing = std::move(shownMenu_);
    shownMenu_.reset();
    closing->setCancelTracking({});
    button_.highlight(false);
    closing->menuDidClose();
}

bool SimStatusItem::choose(const QStringList& path) {
    if (!shownMenu_ || path.isEmpty())
        return false;
    std::shared_ptr<Menu> menu = shownMenu_;
    std::vector<std::shared_ptr<Menu>> openedSubmenus;
    std::shared_ptr<MenuItem> chosen;
    for (qsizetype step = 0; step < path.size() && menu; ++step) {
        chosen = findChoosable(*menu, path[step]);
        if (!chosen)
            break;
        if (step + 1 < path.size()) {
            menu = chosen->submenu();
            chosen.reset();
            if (menu) {
                menu->menuNeedsUpdate();
                menu->menuWillOpen();
                openedSubmenus.push_back(menu);
            }
        }
    }
    for (auto submenu = openedSubmenus.rbegin(); submenu != openedSubmenus.rend(); ++submenu)
        (*submenu)->menuDidClose();
    if (!chosen)
        return false;
    closeMenu();
    chosen->perform();
    return true;
}

std::shared_ptr<StatusItem> SimStatusBar::statusItem(double length) {
    std::erase_if(items_, [](const auto& item) { return item.expired(); });
    auto item = std::make_shared<SimStatusItem>(length);
    items_.push_back(item);
    ++createdCount_;
    return item;
}

std::vector<SimStatusItem*> SimStatusBar::items() const {
    std::vector<SimStatusItem*> live;
    for (const auto& weak : items_) {
        if (const auto item = weak.lock())
            live.push_back(item.get());
    }
    return live;
}

SimStatusItem* SimStatusBar::item(const QString& autosaveName) const {
    for (SimStatusItem* item : items()) {
        if (item->autosaveName() == autosaveName)
            return item;
    }
    return nullptr;
}

} // namespace platform::sim
