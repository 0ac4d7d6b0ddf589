// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "keys/GapselKeys.h"
#include "platform/TrayHosts.h"
#include "platform/TrayPlacement.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class JXMenu;

namespace platform {
class MainQueue;
} // namespace platform

namespace app {

// What every way of placing separators works with: the desktop's tray, the
// stored keys and our own separators as the tray sees them.
struct PlacementContext {
    platform::TrayHosts& hosts;
    platform::TrayPlacement& tray;
    platform::MainQueue& queue;
    keys::SeparatorKeys keys;
    // Our separators' Ids, in list order, as last shown.
    QStringList ids;

    platform::TrayHost host() const { return hosts.primary(); }
    // The items of other programs in the tray: our own separators are never
    // among the items a separator is placed after.
    QList<platform::TrayItemDescription> otherItems() const;
};

// One rule by which a tray orders its items: the menu entries that place a
// separator under it, what it keeps of the user's placements and how it
// brings them back whenever the separators are shown.
class PlacementStrategy {
public:
    explicit PlacementStrategy(PlacementContext& context)
        : context_(context) {}
    virtual ~PlacementStrategy() = default;
    PlacementStrategy(const PlacementStrategy&) = delete;
    PlacementStrategy& operator=(const PlacementStrategy&) = delete;

    // Adds the entries that place separator `id`.
    virtual void addMenuItems(JXMenu& menu, const QString& id) = 0;
    // "New" in the menu of separator `source` made separator `added`, listed
    // right after it.
    virtual void separatorAdded(const QString& source, const QString& added) = 0;
    // Separator `id` is about to be removed.
    virtual void separatorRemoved(const QString& /*id*/) {}
    // The separators (`context.ids`) are about to be shown; `newRule` when
    // they were shown under another order rule until now.
    virtual void arrange(bool newRule) = 0;

protected:
    // An entry whose action does nothing once this strategy is gone (a menu
    // still on screen after the host changed).
    void addEntry(JXMenu& menu, const QString& title, bool enabled, std::function<void()> action);
    // `work` on a later turn of the main queue, unless this strategy is gone.
    void later(std::function<void()> work);
    // `work` after `seconds`, unless this strategy is gone by then.
    void after(double seconds, std::function<void()> work);
    // Keeps the item separator `id` follows, or forgets it with none; the
    // preferences are written only when that changes.
    void setAnchor(const QString& id, const std::optional<keys::PlacementAnchor>& anchor);

    PlacementContext& context_;

private:
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace app
