// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "app/PlacementAnchor.h"
#include "app/SeparatorKeys.h"
#include "app/TrayOrder.h"
#include "platform/TrayPlacement.h"

#include <QMap>
#include <QStringList>

#include <memory>
#include <optional>

class JXMenu;

namespace platform {
class MainQueue;
class Pasteboard;
} // namespace platform

namespace app {

// Puts separators where the user wants them, by whatever means the tray host
// of this desktop offers: XFCE's list of known items, the titles sorting
// hosts order by, a new arrival on hosts that order by arrival. Separators
// are known here by their Ids as the tray sees them.
class SeparatorPlacement {
public:
    SeparatorPlacement(platform::TrayHosts& hosts, platform::TrayPlacement& tray,
                       platform::Pasteboard& pasteboard, platform::MainQueue& queue,
                       const SeparatorKeys& keys);
    ~SeparatorPlacement();
    SeparatorPlacement(const SeparatorPlacement&) = delete;
    SeparatorPlacement& operator=(const SeparatorPlacement&) = delete;

    TrayOrder order() const;
    // How separators are moved on this desktop.
    QString tip() const;
    // Whether new status items are best created last one first, so that they
    // stand in list order from left to right.
    bool createsNewestFirst() const { return order() == TrayOrder::NewestLeftmost; }

    // Adds the entries that place separator `id` on this desktop.
    void addMenuItems(JXMenu& menu, const QString& id);
    // "New" in the menu of separator `source` made separator `added`.
    void separatorAdded(const QString& source, const QString& added);
    // Separator `id` was removed: where it was placed is forgotten, and XFCE's
    // list of known items forgets its Id.
    void separatorRemoved(const QString& id);
    // The separators, in list order, as they are about to be shown: they
    // stand in that order where Gapsel decides it, and where the user placed
    // one it goes there again.
    void arrange(const QStringList& ids);

private:
    using Item = platform::TrayItemDescription;

    platform::TrayHost host() const;
    QList<Item> otherItems() const;
    void addMove(JXMenu& menu, const QString& title, const QString& id, int step);
    void addPlaceAfter(JXMenu& menu, const QString& id);
    void addCallback(JXMenu& menu, const QString& title, bool enabled,
                     std::function<void(SeparatorPlacement&)> action);

    // XFCE: writes the list of known items as `edit` makes it of the list as
    // it is right now (the panel writes it too); no change writes nothing.
    using KnownItemsEdit = std::function<std::optional<QStringList>(const QStringList&)>;
    void editKnownItems(const KnownItemsEdit& edit);
    std::optional<QStringList> knownItemsStepped(const QStringList& known, const QString& id,
                                                 int step) const;
    std::optional<QStringList> knownItemsWithSeparators(const QStringList& known) const;

    // Sorting hosts.
    QMap<QString, Item> sortKeys(const QList<Item>& others);
    std::optional<PlacementAnchor> steppedAnchor(const QString& id, int step);
    void placeAfter(const QString& id, const PlacementAnchor& anchor);
    void applySortKeys();

    void moveBy(const QString& id, int step);
    void placeAfterItem(const QString& id, const Item& item);
    bool hostChangedSinceArranged() const;
    void arrangeLater();
    void arriveInListOrder(TrayOrder order);

    platform::TrayHosts& hosts_;
    platform::TrayPlacement& tray_;
    platform::Pasteboard& pasteboard_;
    platform::MainQueue& queue_;
    Defaults::Key<QMap<QString, PlacementAnchor>> anchorsKey_;
    QStringList ids_;
    // The host the separators were last arranged for.
    std::optional<platform::TrayHost> arrangedFor_;
    bool arrangeScheduled_ = false;
    std::shared_ptr<SeparatorPlacement*> alive_;
};

} // namespace app
