// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/SeparatorView.h"

#include "app/SeparatorListEdits.h"
#include "app/SeparatorMenu.h"
#include "app/TipText.h"

#include <algorithm>

namespace app {

SeparatorView::SeparatorView(const keys::SeparatorItem& separator, bool dimmed,
                             const SeparatorViewContext& context)
    : separator_(separator)
    , dimmed_(dimmed)
    , context_(context)
    , alive_(std::make_shared<SeparatorView*>(this))
    , coordinator_(std::make_unique<MenuBarItem::Coordinator>(description(), context.statusBar,
                                                              context.statusItems, context.queue)) {
}

void SeparatorView::update(const keys::SeparatorItem& separator, bool dimmed) {
    separator_ = separator;
    dimmed_ = dimmed;
    coordinator_->update(description());
}

MenuBarItem SeparatorView::description() {
    MenuBarItem item;
    item.id = separator_.idString();
    item.title = separator_.character;
    item.width = menubar::StatusItemWidth::variable();
    item.appearsDisabled = dimmed_;
    // The coordinator that calls the builder lives inside this view.
    item.buildMenu = [this](JXMenu& menu) { buildMenu(menu); };
    return item;
}

void SeparatorView::buildMenu(JXMenu& menu) const {
    const QList<keys::SeparatorItem> list = context_.separators.value();

    // Menu items may outlive this view (a menu still on screen); then they do nothing.
    const std::weak_ptr<SeparatorView*> weakSelf = alive_;
    const auto ifAlive = [weakSelf](auto action) {
        return [weakSelf, action](auto&&... arguments) {
            if (const auto self = weakSelf.lock())
                ((**self).*action)(arguments...);
        };
    };
    SeparatorMenuActions actions{
        ifAlive(&SeparatorView::addSeparator),
        ifAlive(&SeparatorView::removeSeparator),
        ifAlive(&SeparatorView::chooseCharacter),
        {},
        moveSeparatorTip(),
    };
    if (SeparatorPlacement* placement = context_.placement) {
        actions.addPlacementItems = [placement, id = separator_.idString()](JXMenu& placing) {
            placement->addMenuItems(placing, id);
        };
        actions.tip = placement->tip();
    }
    // Duplicated identities show one separator, so they count once.
    buildSeparatorMenu(menu, currentSeparator(list), distinctSeparatorCount(list), actions,
                       context_.services);
}

keys::SeparatorItem SeparatorView::currentSeparator(const QList<keys::SeparatorItem>& list) const {
    const auto found =
        std::find_if(list.begin(), list.end(),
                     [this](const keys::SeparatorItem& item) { return item.id == separator_.id; });
    return found == list.end() ? separator_ : *found;
}

// Each action edits the list as the file holds it at this moment, under its
// lock, never the list as this view last saw it: another program may have
// changed it since, and writing an older view back would undo that change.
void SeparatorView::addSeparator() {
    // Clicks that keep coming at the maximum cost no file access.
    if (distinctSeparatorCount(context_.separators.value()) >= maximumSeparators)
        return;
    // Where Gapsel places separators, the new one stands right after the one
    // whose menu made it; elsewhere it joins the end.
    const bool afterSource = context_.placement && context_.placement->placesNewAfterSource();
    QString addedId;
    Defaults::modify(context_.separators.key(), [&](QList<keys::SeparatorItem>& list) {
        const qsizetype before = list.size();
        const keys::SeparatorItem added = copyOfSeparator(currentSeparator(list));
        list = insertingSeparator(list, added,
                                  afterSource ? std::optional(separator_.id) : std::nullopt);
        if (list.size() > before)
            addedId = added.idString();
    });
    // Placed before its view shows it (on a later turn), so that it appears in
    // its place at once.
    if (context_.placement && !addedId.isEmpty())
        context_.placement->separatorAdded(separator_.idString(), addedId);
}

void SeparatorView::removeSeparator() {
    if (context_.placement)
        context_.placement->separatorRemoved(separator_.idString());
    Defaults::modify(context_.separators.key(), [this](QList<keys::SeparatorItem>& list) {
        list = removingSeparator(list, separator_.id);
    });
}

void SeparatorView::chooseCharacter(const QString& character) {
    Defaults::modify(context_.separators.key(),
                     [this, &character](QList<keys::SeparatorItem>& list) {
                         list = withSeparatorCharacter(list, separator_.id, character);
                     });
}

} // namespace app
