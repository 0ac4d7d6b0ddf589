// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "app/SeparatorPlacement.h"
#include "defaults/Default.h"
#include "keys/SeparatorItem.h"
#include "menubar/MenuBarItemCoordinator.h"
#include "menubar/MenuServices.h"
#include "menubar/StatusItemRegistry.h"

#include <memory>

namespace app {

// What every separator's view shares: the binding to the whole list, which
// its menu reads and writes, the services its menu reaches, the desktop and
// the registry of the status items shown.
struct SeparatorViewContext {
    Defaults::Default<QList<keys::SeparatorItem>>& separators;
    const menubar::MenuServices& services;
    platform::StatusBar& statusBar;
    menubar::StatusItemRegistry& statusItems;
    platform::MainQueue& queue;
    // How separators are placed on this desktop; none on a menu bar where
    // the user drags them.
    SeparatorPlacement* placement = nullptr;
};

// One separator in the menu bar: describes its status item (the character as
// title, as wide as the title, dimmed with reduced opacity, the separator's
// menu) and keeps a coordinator applying that description for as long as the
// separator is in the list.
class SeparatorView {
public:
    SeparatorView(const keys::SeparatorItem& separator, bool dimmed,
                  const SeparatorViewContext& context);
    SeparatorView(const SeparatorView&) = delete;
    SeparatorView& operator=(const SeparatorView&) = delete;

    // The same separator (same identity) with its current character and the
    // current reduced-opacity setting.
    void update(const keys::SeparatorItem& separator, bool dimmed);

    const QUuid& id() const { return separator_.id; }
    // The identity as the tray sees it.
    QString idString() const { return separator_.idString(); }
    const MenuBarItem::Coordinator& coordinator() const { return *coordinator_; }

private:
    MenuBarItem description();
    void buildMenu(JXMenu& menu) const;
    keys::SeparatorItem currentSeparator(const QList<keys::SeparatorItem>& list) const;

    void addSeparator();
    void removeSeparator();
    void chooseCharacter(const QString& character);

    keys::SeparatorItem separator_;
    bool dimmed_;
    SeparatorViewContext context_;
    std::shared_ptr<SeparatorView*> alive_;
    // Last: made once everything above is set, gone before any of it.
    std::unique_ptr<MenuBarItem::Coordinator> coordinator_;
};

} // namespace app
