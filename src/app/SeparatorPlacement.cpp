// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/SeparatorPlacement.h"

#include "app/KnownItemsOrder.h"
#include "app/SeparatorKeys.h"
#include "app/TipText.h"
#include "app/TraySortKeys.h"
#include "menubar/JXMenu.h"
#include "platform/MainQueue.h"
#include "platform/Pasteboard.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace app {

namespace {

QString menuTitle(const platform::TrayItemDescription& item) {
    return item.title.isEmpty() ? item.id : item.title;
}

} // namespace

SeparatorPlacement::SeparatorPlacement(platform::TrayHosts& hosts, platform::TrayPlacement& tray,
                                       platform::Pasteboard& pasteboard, platform::MainQueue& queue,
                                       const SeparatorKeys& keys)
    : hosts_(hosts)
    , tray_(tray)
    , pasteboard_(pasteboard)
    , queue_(queue)
    , anchorsKey_(keys.separatorPlacements)
    , alive_(std::make_shared<SeparatorPlacement*>(this)) {
    // An anchor that arrives, leaves or is renamed moves the separators
    // placed after it.
    tray_.onItemsChanged([this] { arrangeLater(); });
    // A host that becomes known only after the separators arrived (its
    // watcher started late) gets them in its order too.
    hosts_.onChanged(this, [this] {
        if (hostChangedSinceArranged())
            arrangeLater();
    });
}

SeparatorPlacement::~SeparatorPlacement() {
    hosts_.onChanged(this, {});
    tray_.onItemsChanged({});
}

platform::TrayHost SeparatorPlacement::host() const {
    return hosts_.primary();
}

TrayOrder SeparatorPlacement::order() const {
    return trayOrderOf(host());
}

QString SeparatorPlacement::tip() const {
    const TrayOrder now = order();
    return moveSeparatorTip(now == TrayOrder::Fixed && host().kind != platform::TrayHostKind::Mate
                                ? platform::TrayHostKind::Unknown
                                : host().kind,
                            host().reversed);
}

// Our own separators are not among the items a separator is placed after.
QList<platform::TrayItemDescription> SeparatorPlacement::otherItems() const {
    QList<Item> others = tray_.otherItems();
    others.removeIf([this](const Item& item) { return ids_.contains(item.id); });
    return others;
}

void SeparatorPlacement::addMenuItems(JXMenu& menu, const QString& id) {
    for (const PlacementAction action : placementActionsFor(order())) {
        switch (action) {
        case PlacementAction::MoveLeft:
            addMove(menu, QCoreApplication::translate("SeparatorPlacement", "Move Left"), id, -1);
            break;
        case PlacementAction::MoveRight:
            addMove(menu, QCoreApplication::translate("SeparatorPlacement", "Move Right"), id, 1);
            break;
        case PlacementAction::PlaceAfter:
            addPlaceAfter(menu, id);
            break;
        case PlacementAction::MoveToLeftEnd:
        case PlacementAction::MoveToRightEnd:
            addCallback(
                menu,
                action == PlacementAction::MoveToLeftEnd
                    ? QCoreApplication::translate("SeparatorPlacement", "Move to Left End")
                    : QCoreApplication::translate("SeparatorPlacement", "Move to Right End"),
                true, [id](SeparatorPlacement& self) { self.tray_.arriveAgain(id); });
            break;
        case PlacementAction::CopyId:
            addCallback(menu,
                        QCoreApplication::translate("SeparatorPlacement", "Copy Separator ID"),
                        true, [id](SeparatorPlacement& self) {
                            self.pasteboard_.setText(id, QStringLiteral(GAPSEL_BUNDLE_ID));
                        });
            break;
        }
    }
}

// Menu entries may outlive this object (a menu still on screen at quit).
void SeparatorPlacement::addCallback(JXMenu& menu, const QString& title, bool enabled,
                                     std::function<void(SeparatorPlacement&)> action) {
    menu.addCallbackItem(title, {.isEnabled = enabled},
                         [weakSelf = std::weak_ptr<SeparatorPlacement*>(alive_), action] {
                             if (const auto self = weakSelf.lock())
                                 action(**self);
                         });
}

// Offered disabled where there is nothing to step past, so that the menu
// keeps its shape.
void SeparatorPlacement::addMove(JXMenu& menu, const QString& title, const QString& id, int step) {
    bool possible = false;
    if (order() == TrayOrder::KnownItems) {
        const std::optional<QStringList> known = tray_.knownItems(host().xfcePlugin);
        possible = known && knownItemsStepped(*known, id, step);
    } else {
        possible = steppedAnchor(id, step).has_value();
    }
    addCallback(menu, title, possible,
                [id, step](SeparatorPlacement& self) { self.moveBy(id, step); });
}

void SeparatorPlacement::addPlaceAfter(JXMenu& menu, const QString& id) {
    const QList<Item> others = otherItems();
    if (others.isEmpty())
        return;
    auto submenu = std::make_shared<JXMenu>();
    for (const Item& item : others)
        addCallback(*submenu, menuTitle(item), true,
                    [id, item](SeparatorPlacement& self) { self.placeAfterItem(id, item); });
    menu.addSubmenuItem(QCoreApplication::translate("SeparatorPlacement", "Place After"), true,
                        [submenu] { return submenu; });
}

void SeparatorPlacement::moveBy(const QString& id, int step) {
    if (order() == TrayOrder::KnownItems) {
        editKnownItems([this, id, step](const QStringList& known) {
            return knownItemsStepped(known, id, step);
        });
    } else if (const auto anchor = steppedAnchor(id, step)) {
        placeAfter(id, *anchor);
    }
}

void SeparatorPlacement::placeAfterItem(const QString& id, const Item& item) {
    if (order() == TrayOrder::KnownItems) {
        editKnownItems([id, anchor = item.id](const QStringList& known) {
            return knownItemsOrder::placingAfter(known, id, anchor);
        });
    } else {
        placeAfter(id, PlacementAnchor{item.id, item.title});
    }
}

void SeparatorPlacement::separatorAdded(const QString& source, const QString& added) {
    if (order() != TrayOrder::KnownItems)
        return;
    editKnownItems([source, added](const QStringList& known) {
        return knownItemsOrder::placingAfter(known, added, source);
    });
}

void SeparatorPlacement::separatorRemoved(const QString& id) {
    // XFCE keeps every Id it has ever shown; a removed separator's would stay
    // in its list, and in its settings window, for good.
    if (order() == TrayOrder::KnownItems)
        editKnownItems([&id](QStringList known) -> std::optional<QStringList> {
            return known.removeAll(id) > 0 ? std::optional(known) : std::nullopt;
        });
    QMap<QString, PlacementAnchor> anchors = Defaults::get(anchorsKey_);
    if (anchors.remove(id) > 0)
        Defaults::set(anchorsKey_, anchors);
}

void SeparatorPlacement::arrange(const QStringList& ids) {
    ids_ = ids;
    const TrayOrder now = order();
    const bool hostChanged = hostChangedSinceArranged();
    const bool orderChanged = hostChanged && trayOrderOf(*arrangedFor_) != now;
    if (!arrangedFor_ || hostChanged)
        arrangedFor_ = host();
    switch (now) {
    case TrayOrder::KnownItems:
        editKnownItems(
            [this](const QStringList& known) { return knownItemsWithSeparators(known); });
        break;
    case TrayOrder::SortedByTitle:
        applySortKeys();
        break;
    case TrayOrder::NewestLeftmost:
    case TrayOrder::NewestRightmost:
        if (orderChanged)
            arriveInListOrder(now);
        break;
    default:
        break;
    }
}

// The separators were made for another order than this host's: they arrive
// again one by one, so that the list reads left to right once more.
void SeparatorPlacement::arriveInListOrder(TrayOrder order) {
    QStringList arriving = ids_;
    if (order == TrayOrder::NewestLeftmost)
        std::reverse(arriving.begin(), arriving.end());
    for (const QString& id : arriving)
        tray_.arriveAgain(id);
}

// While no host is known (the watcher went away) the items wait for one; the
// host they were arranged for stays what they are arranged for.
bool SeparatorPlacement::hostChangedSinceArranged() const {
    const platform::TrayHost now = host();
    return arrangedFor_ && now.kind != platform::TrayHostKind::Unknown && *arrangedFor_ != now;
}

void SeparatorPlacement::arrangeLater() {
    if (arrangeScheduled_)
        return;
    arrangeScheduled_ = true;
    queue_.async([weakSelf = std::weak_ptr<SeparatorPlacement*>(alive_)] {
        if (const auto self = weakSelf.lock()) {
            (*self)->arrangeScheduled_ = false;
            (*self)->arrange((*self)->ids_);
        }
    });
}

// --- XFCE ----------------------------------------------------------------------

void SeparatorPlacement::editKnownItems(const KnownItemsEdit& edit) {
    const int plugin = host().xfcePlugin;
    const std::optional<QStringList> known = tray_.knownItems(plugin);
    if (!known)
        return;
    const std::optional<QStringList> edited = edit(*known);
    if (edited && *edited != *known)
        tray_.setKnownItems(plugin, *edited);
}

// Items of programs that are not running are passed over; when the tray's
// items cannot be read, every entry counts as shown.
std::optional<QStringList>
SeparatorPlacement::knownItemsStepped(const QStringList& known, const QString& id, int step) const {
    QSet<QString> shown(ids_.begin(), ids_.end());
    const QList<Item> others = tray_.otherItems();
    for (const Item& item : others)
        shown.insert(item.id);
    return knownItemsOrder::steppingPast(known, id, step, [&](const QString& entry) {
        return others.isEmpty() || shown.contains(entry);
    });
}

// Separators the panel does not know yet would each appear leftmost as it
// arrives, the last one first; listed beforehand they stand in list order,
// each after the separator before it.
std::optional<QStringList>
SeparatorPlacement::knownItemsWithSeparators(const QStringList& known) const {
    QStringList edited = known;
    QString previous;
    for (const QString& id : ids_) {
        if (!edited.contains(id))
            edited.insert(previous.isEmpty() ? 0 : edited.indexOf(previous) + 1, id);
        previous = id;
    }
    return edited;
}

// --- Sorting hosts -------------------------------------------------------------

QMap<QString, platform::TrayItemDescription>
SeparatorPlacement::sortKeys(const QList<Item>& others) {
    const platform::TrayHostKind kind = host().kind;
    QMap<QString, PlacementAnchor> anchors = Defaults::get(anchorsKey_);
    const QMap<QString, PlacementAnchor> stored = anchors;
    QMap<QString, Item> result;
    for (qsizetype index = 0; index < ids_.size(); ++index) {
        const QString& id = ids_[index];
        Item sortKey = traySortKeys::inSequence(index);
        if (const auto anchor = anchors.find(id); anchor != anchors.end()) {
            if (anchor->id.isEmpty()) {
                sortKey = traySortKeys::atStart(kind, others);
            } else {
                Item anchorItem{anchor->id, anchor->title, QStringLiteral("ApplicationStatus")};
                const auto present =
                    std::find_if(others.begin(), others.end(),
                                 [&](const Item& item) { return item.id == anchor->id; });
                if (present != others.end()) {
                    anchorItem = *present;
                    anchor->title = present->title;
                }
                sortKey = traySortKeys::rightAfter(kind, anchorItem, others, index);
            }
        }
        sortKey.id = id;
        result.insert(id, sortKey);
    }
    // A renamed anchor is remembered by its new title.
    if (anchors != stored)
        Defaults::set(anchorsKey_, anchors);
    return result;
}

void SeparatorPlacement::applySortKeys() {
    const QMap<QString, Item> keys = sortKeys(otherItems());
    for (const Item& key : keys)
        tray_.setSortKey(key.id, key.category, key.title);
}

void SeparatorPlacement::placeAfter(const QString& id, const PlacementAnchor& anchor) {
    QMap<QString, PlacementAnchor> anchors = Defaults::get(anchorsKey_);
    anchors.insert(id, anchor);
    Defaults::set(anchorsKey_, anchors);
    applySortKeys();
}

// Steps past the neighbouring item of another program in the host's order:
// right means after the next one, left after the one before the previous one
// (or at the start).
std::optional<PlacementAnchor> SeparatorPlacement::steppedAnchor(const QString& id, int step) {
    if (order() != TrayOrder::SortedByTitle)
        return std::nullopt;
    const platform::TrayHostKind kind = host().kind;
    const QList<Item> others = otherItems();
    const QMap<QString, Item> own = sortKeys(others);
    QList<Item> all = others + own.values();
    std::stable_sort(all.begin(), all.end(), [kind](const Item& a, const Item& b) {
        return traySortKeys::sortsBefore(kind, a, b);
    });
    const auto isOther = [this](const Item& item) { return !ids_.contains(item.id); };
    const auto at = std::find_if(all.begin(), all.end(),
                                 [&](const Item& item) { return item.id == id && !isOther(item); });
    if (at == all.end())
        return std::nullopt;
    if (step > 0) {
        const auto next = std::find_if(at + 1, all.end(), isOther);
        if (next == all.end())
            return std::nullopt;
        return PlacementAnchor{next->id, next->title};
    }
    const auto before = std::make_reverse_iterator(at);
    const auto previous = std::find_if(before, all.rend(), isOther);
    if (previous == all.rend())
        return std::nullopt;
    const auto beforePrevious = std::find_if(previous + 1, all.rend(), isOther);
    if (beforePrevious == all.rend())
        return PlacementAnchor{};
    return PlacementAnchor{beforePrevious->id, beforePrevious->title};
}

} // namespace app
