// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "app/PlacementStrategy.h"

#include <optional>

namespace app {

// XFCE: the status tray shows items in the order of its list of known item
// Ids, which it keeps across restarts itself; separators move by moving
// their Ids in that list.
class KnownItemsPlacement final : public PlacementStrategy {
public:
    using PlacementStrategy::PlacementStrategy;

    void addMenuItems(JXMenu& menu, const QString& id) override;
    void separatorAdded(const QString& source, const QString& added) override;
    void arrange(bool newRule) override;

private:
    // Writes the list of known items as `edit` makes it of the list as it is
    // right now (the panel writes it too); no change writes nothing.
    using Edit = std::function<std::optional<QStringList>(const QStringList&)>;
    void edit(const Edit& edit);
    std::optional<QStringList> stepped(const QStringList& known, const QString& id, int step) const;
    std::optional<QStringList> withSeparators(const QStringList& known) const;
    void addMove(JXMenu& menu, const QString& title, const QString& id, int step);
    void addPlaceAfter(JXMenu& menu, const QString& id);
};

} // namespace app
