// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/TitleSortPlacement.h"

#include "app/PlacementMenus.h"
#include "app/TraySortKeys.h"
#include "menubar/JXMenu.h"

#include <QCoreApplication>

#include <algorithm>

namespace app {

TitleSortPlacement::TitleSortPlacement(PlacementContext& context)
    : PlacementStrategy(context) {}

void TitleSortPlacement::addMenuItems(JXMenu& menu, const QString& id) {
    addMove(menu, QCoreApplication::translate("SeparatorPlacement", "Move Left"), id, -1);
    addMove(menu, QCoreApplication::translate("SeparatorPlacement", "Move Right"), id, 1);
    addPlaceAfterSubmenu(menu, context_.otherItems(),
                         [this, id](JXMenu& submenu, const Item& item) {
                             addEntry(submenu, placeAfterTitle(item), true, [this, id, item] {
                                 placeAfter(id, keys::PlacementAnchor{item.id, item.title});
                             });
                         });
}

// Offered disabled where there is nothing to step past, so that the menu
// keeps its shape.
void TitleSortPlacement::addMove(JXMenu& menu, const QString& title, const QString& id, int step) {
    addEntry(menu, title, steppedAnchor(id, step).has_value(), [this, id, step] {
        if (const auto anchor = steppedAnchor(id, step))
            placeAfter(id, *anchor);
    });
}

// The new separator follows what its source follows; listed right after it,
// it sorts right after it.
void TitleSortPlacement::separatorAdded(const QString& source, const QString& added) {
    const QMap<QString, keys::PlacementAnchor> anchors =
        Defaults::get(context_.keys.separatorPlacements);
    if (const auto anchor = anchors.find(source); anchor != anchors.end())
        setAnchor(added, *anchor);
}

void TitleSortPlacement::separatorRemoved(const QString& id) {
    setAnchor(id, std::nullopt);
}

void TitleSortPlacement::arrange(bool /*newRule*/) {
    applySortKeys();
}

QMap<QString, platform::TrayItemDescription>
TitleSortPlacement::sortKeys(const QList<Item>& others) {
    const platform::TrayHostKind kind = context_.host().kind;
    QMap<QString, keys::PlacementAnchor> anchors = Defaults::get(context_.keys.separatorPlacements);
    const QMap<QString, keys::PlacementAnchor> stored = anchors;
    QMap<QString, Item> result;
    for (qsizetype index = 0; index < context_.ids.size(); ++index) {
        const QString& id = context_.ids[index];
        Item sortKey = sortKeyInSequence(index);
        if (const auto anchor = anchors.find(id); anchor != anchors.end()) {
            if (anchor->id.isEmpty()) {
                sortKey = sortKeyAtStart(kind, others, index);
            } else {
                Item anchorItem{anchor->id, anchor->title, QStringLiteral("ApplicationStatus")};
                const auto present =
                    std::find_if(others.begin(), others.end(),
                                 [&](const Item& item) { return item.id == anchor->id; });
                if (present != others.end()) {
                    anchorItem = *present;
                    anchor->title = present->title;
                }
                sortKey = sortKeyRightAfter(kind, anchorItem, others, index);
            }
        }
        sortKey.id = id;
        result.insert(id, sortKey);
    }
    // A renamed anchor is remembered by its new title.
    if (anchors != stored)
        Defaults::set(context_.keys.separatorPlacements, anchors);
    return result;
}

void TitleSortPlacement::applySortKeys() {
    const QMap<QString, Item> keys = sortKeys(context_.otherItems());
    for (const Item& key : keys)
        context_.tray.setSortKey(key.id, key.category, key.title);
}

void TitleSortPlacement::placeAfter(const QString& id, const keys::PlacementAnchor& anchor) {
    setAnchor(id, anchor);
    applySortKeys();
}

// Steps past the neighbouring item of another program in the host's order:
// right means after the next one, left after the one before the previous one
// (or at the start).
std::optional<keys::PlacementAnchor> TitleSortPlacement::steppedAnchor(const QString& id,
                                                                       int step) {
    const platform::TrayHostKind kind = context_.host().kind;
    const QList<Item> others = context_.otherItems();
    const QMap<QString, Item> own = sortKeys(others);
    QList<Item> all = others + own.values();
    std::stable_sort(all.begin(), all.end(),
                     [kind](const Item& a, const Item& b) { return hostSortsBefore(kind, a, b); });
    const auto isOther = [this](const Item& item) { return !context_.ids.contains(item.id); };
    const auto at = std::find_if(all.begin(), all.end(),
                                 [&](const Item& item) { return item.id == id && !isOther(item); });
    if (at == all.end())
        return std::nullopt;
    if (step > 0) {
        const auto next = std::find_if(at + 1, all.end(), isOther);
        if (next == all.end())
            return std::nullopt;
        return keys::PlacementAnchor{next->id, next->title};
    }
    const auto before = std::make_reverse_iterator(at);
    const auto previous = std::find_if(before, all.rend(), isOther);
    if (previous == all.rend())
        return std::nullopt;
    const auto beforePrevious = std::find_if(previous + 1, all.rend(), isOther);
    if (beforePrevious == all.rend())
        return keys::PlacementAnchor{};
    return keys::PlacementAnchor{beforePrevious->id, beforePrevious->title};
}

} // namespace app
