// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "menubar/CallbackMenuItem.h"
#include "menubar/Subjects.h"
#include "platform/Menu.h"

#include <functional>
#include <memory>
#include <vector>

// A menu that reports its own opening, closing and need for an update, through
// closures and publishers, and offers the operations that build menus in
// code. Its items are enabled exactly as their creators say.
class JXMenu : public platform::Menu {
public:
    explicit JXMenu(QString title = {})
        : platform::Menu(std::move(title)) {}

    // Called when the menu needs an update: onUpdate first, then onUpdateLegacy.
    std::function<void()> onUpdate;
    std::function<void(JXMenu&)> onUpdateLegacy;
    // Called with true when the menu opens, false when it has closed.
    std::function<void(bool)> onOpenClose;

    bool isOpen() const { return isOpen_; }
    // False at first, then each change of isOpen().
    Defaults::Publisher<bool> isOpenPublisher() const { return isOpenSubject_.publisher(); }
    // One event each time the menu needs an update.
    Defaults::Publisher<std::monostate> needsUpdatePublisher() const {
        return needsUpdateSubject_.publisher();
    }
    // Runs `work` once the menu is closed: at once if it is not open, else
    // when it next closes.
    void whenClosed(std::function<void()> work);

    void menuNeedsUpdate() override;
    void menuWillOpen() override;
    void menuDidClose() override;

    // Each appends one item and returns it.
    CallbackMenuItem& addCallbackItem(QString title, const CallbackMenuItem::Options& options,
                                      std::function<void()> callback);
    CallbackMenuItem& addCallbackItem(QString title, std::function<void()> callback) {
        return addCallbackItem(std::move(title), {}, std::move(callback));
    }
    // A plain item carrying a submenu. `submenu` makes the submenu only when
    // the item is enabled; a disabled item gets an empty menu instead.
    platform::MenuItem&
    addSubmenuItem(QString title, bool isEnabled,
                   const std::function<std::shared_ptr<platform::Menu>()>& submenu);
    platform::MenuItem& addSeparator();
    // A small, disabled heading over the items below it, optionally with a
    // separator line above it.
    platform::MenuItem& addHeader(const QString& title, bool hasSeparatorAbove);
    // A plain item without action.
    platform::MenuItem& addPlainItem(QString title);

private:
    void setOpen(bool open);

    bool isOpen_ = false;
    menubar::CurrentValueSubject<bool> isOpenSubject_{false};
    menubar::PassthroughSubject<> needsUpdateSubject_;
    std::vector<std::function<void()>> closeWork_;
};
