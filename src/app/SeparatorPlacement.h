// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "app/PlacementStrategy.h"
#include "app/TrayOrder.h"
#include "keys/GapselKeys.h"
#include "platform/TrayPlacement.h"

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
// of this desktop offers: one strategy per order rule (XFCE's list of known
// items, the titles sorting hosts order by, the order of arrival), picked for
// the host detected now. Separators are known here by their Ids as the tray
// sees them.
class SeparatorPlacement {
public:
    SeparatorPlacement(platform::TrayHosts& hosts, platform::TrayPlacement& tray,
                       platform::Pasteboard& pasteboard, platform::MainQueue& queue,
                       const keys::SeparatorKeys& keys);
    ~SeparatorPlacement();
    SeparatorPlacement(const SeparatorPlacement&) = delete;
    SeparatorPlacement& operator=(const SeparatorPlacement&) = delete;

    TrayOrder order() const;
    // How separators are moved on this desktop.
    QString tip() const;
    // Whether new status items are best created last one first, so that they
    // stand in list order from left to right.
    bool createsNewestFirst() const { return order() == TrayOrder::NewestLeftmost; }

    // Whether "New" puts the new separator right after the one whose menu
    // was used: wherever Gapsel can place separators.
    bool placesNewAfterSource() const;

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
    // The strategy of this host's order rule; none where Gapsel cannot move
    // separators.
    PlacementStrategy* strategy();
    bool hostChangedSinceArranged() const;
    void arrangeLater();

    platform::Pasteboard& pasteboard_;
    PlacementContext context_;
    std::unique_ptr<PlacementStrategy> strategy_;
    TrayOrder strategyOrder_ = TrayOrder::Fixed;
    // The host the separators were last arranged for.
    std::optional<platform::TrayHost> arrangedFor_;
    bool arrangeScheduled_ = false;
    std::shared_ptr<SeparatorPlacement*> alive_;
};

} // namespace app
