// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/ArrivalOrderPlacement.h"

#include "app/PlacementMenus.h"
#include "app/SeparatorListEdits.h"
#include "menubar/JXMenu.h"

#include <QCoreApplication>

#include <algorithm>

namespace app {

ArrivalOrderPlacement::ArrivalOrderPlacement(PlacementContext& context, NewestEnd newest)
    : PlacementStrategy(context)
    , newest_(newest) {}

ArrivalOrderPlacement::~ArrivalOrderPlacement() {
    for (const QString& id : std::as_const(held_))
        context_.tray.arriveAgain(id);
}

void ArrivalOrderPlacement::addMenuItems(JXMenu& menu, const QString& id) {
    const QString title =
        newest_ == NewestEnd::Left
            ? QCoreApplication::translate("SeparatorPlacement", "Move to Left End")
            : QCoreApplication::translate("SeparatorPlacement", "Move to Right End");
    addEntry(menu, title, true, [this, id] { moveToNewestEnd(id); });
    // Arriving later puts a separator after an item only where the newest
    // stand rightmost; elsewhere an item that came first stays right of it.
    if (newest_ != NewestEnd::Right)
        return;
    addPlaceAfterSubmenu(menu, context_.otherItems(),
                         [this, id](JXMenu& submenu, const platform::TrayItemDescription& item) {
                             addEntry(submenu, placeAfterTitle(item), true,
                                      [this, id, item] { placeAfter(id, item); });
                         });
}

void ArrivalOrderPlacement::moveToNewestEnd(const QString& id) {
    const QUuid uuid(id);
    const bool toFront = newest_ == NewestEnd::Left;
    setAnchor(id, std::nullopt);
    Defaults::modify(context_.keys.separators, [&](QList<keys::SeparatorItem>& list) {
        list = movingSeparatorToEnd(list, uuid, toFront);
    });
    context_.tray.arriveAgain(id);
}

// The separator arrives again, and so do ours that stand after the item, so
// that it comes first after it; the list takes the order they then stand in.
void ArrivalOrderPlacement::placeAfter(const QString& id,
                                       const platform::TrayItemDescription& item) {
    const QStringList order = context_.tray.arrivalOrder();
    const qsizetype anchorAt = order.indexOf(item.id);
    if (anchorAt < 0)
        return;
    QStringList followers = context_.ids;
    followers.removeIf(
        [&](const QString& each) { return each == id || order.indexOf(each) < anchorAt; });
    setAnchor(id, keys::PlacementAnchor{item.id, item.title});
    const std::optional<QUuid> before =
        followers.isEmpty() ? std::nullopt : std::optional(QUuid(followers.first()));
    Defaults::modify(context_.keys.separators, [&](QList<keys::SeparatorItem>& list) {
        list = movingSeparatorBefore(list, QUuid(id), before);
    });
    arriveInOrder(QStringList{id} + followers);
}

// The new separator is listed right after its source but arrives at the
// newest end: the separators listed between it and that end arrive again
// after it.
void ArrivalOrderPlacement::separatorAdded(const QString& /*source*/, const QString& added) {
    added_ = added;
}

void ArrivalOrderPlacement::separatorRemoved(const QString& id) {
    setAnchor(id, std::nullopt);
    held_.removeAll(id);
}

// Separators first shown under another rule arrive again, so that the list
// reads left to right once more.
void ArrivalOrderPlacement::arrange(bool newRule) {
    if (!started_) {
        started_ = true;
        holdBackUntilAnchorsCome();
    } else {
        release(false);
    }
    if (newRule)
        arriveInOrder(context_.ids);
    const qsizetype at = context_.ids.indexOf(added_);
    if (at < 0)
        return;
    added_.clear();
    QStringList following =
        newest_ == NewestEnd::Right ? context_.ids.mid(at + 1) : context_.ids.first(at);
    // Its status item was made just now and arrives on the next turn.
    later([this, following] { arriveInOrder(following); });
}

void ArrivalOrderPlacement::arriveInOrder(QStringList ids) {
    ids.removeIf([this](const QString& id) { return held_.contains(id); });
    if (newest_ == NewestEnd::Left)
        std::reverse(ids.begin(), ids.end());
    for (const QString& id : ids)
        context_.tray.arriveAgain(id);
}

qsizetype ArrivalOrderPlacement::firstWaiting(const QStringList& ids) const {
    const QMap<QString, keys::PlacementAnchor> anchors =
        Defaults::get(context_.keys.separatorPlacements);
    QStringList present;
    for (const platform::TrayItemDescription& item : context_.otherItems())
        present.append(item.id);
    for (qsizetype index = 0; index < ids.size(); ++index) {
        const auto anchor = anchors.find(ids[index]);
        if (anchor != anchors.end() && !anchor->id.isEmpty() && !present.contains(anchor->id))
            return index;
    }
    return -1;
}

// Those listed after a waiting separator wait with it, so that the
// separators still come in list order.
void ArrivalOrderPlacement::holdBackUntilAnchorsCome() {
    if (newest_ != NewestEnd::Right)
        return;
    const qsizetype first = firstWaiting(context_.ids);
    if (first < 0)
        return;
    held_ = context_.ids.mid(first);
    for (const QString& id : std::as_const(held_))
        context_.tray.holdBack(id);
    after(anchorWaitSeconds, [this] { release(true); });
}

void ArrivalOrderPlacement::release(bool all) {
    if (held_.isEmpty())
        return;
    qsizetype count = all ? held_.size() : firstWaiting(held_);
    if (count < 0)
        count = held_.size();
    QStringList coming = held_.first(count);
    held_.remove(0, count);
    coming.removeIf([this](const QString& id) { return !context_.ids.contains(id); });
    arriveInOrder(coming);
}

} // namespace app
