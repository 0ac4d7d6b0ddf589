// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/SeparatorPlacement.h"

#include "app/ArrivalOrderPlacement.h"
#include "app/KnownItemsPlacement.h"
#include "app/TipText.h"
#include "app/TitleSortPlacement.h"
#include "menubar/JXMenu.h"
#include "platform/MainQueue.h"
#include "platform/Pasteboard.h"

#include <QCoreApplication>

namespace app {

namespace {

std::unique_ptr<PlacementStrategy> strategyFor(TrayOrder order, PlacementContext& context) {
    using NewestEnd = ArrivalOrderPlacement::NewestEnd;
    switch (order) {
    case TrayOrder::KnownItems:
        return std::make_unique<KnownItemsPlacement>(context);
    case TrayOrder::SortedByTitle:
        return std::make_unique<TitleSortPlacement>(context);
    case TrayOrder::NewestLeftmost:
        return std::make_unique<ArrivalOrderPlacement>(context, NewestEnd::Left);
    case TrayOrder::NewestRightmost:
        return std::make_unique<ArrivalOrderPlacement>(context, NewestEnd::Right);
    case TrayOrder::Dragged:
    case TrayOrder::Fixed:
        break;
    }
    return nullptr;
}

} // namespace

SeparatorPlacement::SeparatorPlacement(platform::TrayHosts& hosts, platform::TrayPlacement& tray,
                                       platform::Pasteboard& pasteboard, platform::MainQueue& queue,
                                       const keys::SeparatorKeys& keys)
    : pasteboard_(pasteboard)
    , context_{hosts, tray, queue, keys, {}}
    , alive_(std::make_shared<SeparatorPlacement*>(this)) {
    // An anchor that arrives, leaves or is renamed moves the separators
    // placed after it.
    tray.onItemsChanged([this] { arrangeLater(); });
    // A host that becomes known only after the separators arrived (its
    // watcher started late) gets them in its order too.
    hosts.onChanged(this, [this] {
        if (hostChangedSinceArranged())
            arrangeLater();
    });
}

SeparatorPlacement::~SeparatorPlacement() {
    context_.hosts.onChanged(this, {});
    context_.tray.onItemsChanged({});
}

TrayOrder SeparatorPlacement::order() const {
    return trayOrderOf(context_.host());
}

QString SeparatorPlacement::tip() const {
    const platform::TrayHost host = context_.host();
    return moveSeparatorTip(order() == TrayOrder::Fixed && host.kind != platform::TrayHostKind::Mate
                                ? platform::TrayHostKind::Unknown
                                : host.kind,
                            host.reversed, !context_.otherItems().isEmpty());
}

bool SeparatorPlacement::placesNewAfterSource() const {
    const TrayOrder now = order();
    return now != TrayOrder::Dragged && now != TrayOrder::Fixed;
}

PlacementStrategy* SeparatorPlacement::strategy() {
    const TrayOrder now = order();
    if (!strategy_ || strategyOrder_ != now) {
        strategy_ = strategyFor(now, context_);
        strategyOrder_ = now;
    }
    return strategy_.get();
}

void SeparatorPlacement::addMenuItems(JXMenu& menu, const QString& id) {
    if (order() == TrayOrder::Dragged)
        return;
    if (PlacementStrategy* placing = strategy())
        placing->addMenuItems(menu, id);
    // Everywhere, for trays the user configures by hand. The entry may
    // outlive this object (a menu still on screen at quit).
    menu.addCallbackItem(QCoreApplication::translate("SeparatorPlacement", "Copy Separator ID"),
                         [weakSelf = std::weak_ptr<SeparatorPlacement*>(alive_), id] {
                             if (const auto self = weakSelf.lock())
                                 (*self)->pasteboard_.setText(id, QStringLiteral(GAPSEL_BUNDLE_ID));
                         });
}

void SeparatorPlacement::separatorAdded(const QString& source, const QString& added) {
    if (PlacementStrategy* placing = strategy())
        placing->separatorAdded(source, added);
}

void SeparatorPlacement::separatorRemoved(const QString& id) {
    if (PlacementStrategy* placing = strategy())
        placing->separatorRemoved(id);
}

void SeparatorPlacement::arrange(const QStringList& ids) {
    context_.ids = ids;
    const bool hostChanged = hostChangedSinceArranged();
    const bool ruleChanged = hostChanged && trayOrderOf(*arrangedFor_) != order();
    if (!arrangedFor_ || hostChanged)
        arrangedFor_ = context_.host();
    if (PlacementStrategy* placing = strategy())
        placing->arrange(ruleChanged);
}

// While no host is known (the watcher went away) the items wait for one; the
// host they were arranged for stays what they are arranged for.
bool SeparatorPlacement::hostChangedSinceArranged() const {
    const platform::TrayHost now = context_.host();
    return arrangedFor_ && now.kind != platform::TrayHostKind::Unknown && *arrangedFor_ != now;
}

void SeparatorPlacement::arrangeLater() {
    if (arrangeScheduled_)
        return;
    arrangeScheduled_ = true;
    context_.queue.async([weakSelf = std::weak_ptr<SeparatorPlacement*>(alive_)] {
        if (const auto self = weakSelf.lock()) {
            (*self)->arrangeScheduled_ = false;
            (*self)->arrange((*self)->context_.ids);
        }
    });
}

} // namespace app
