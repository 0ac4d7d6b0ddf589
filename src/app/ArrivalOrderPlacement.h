// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "app/PlacementStrategy.h"

namespace app {

// Trays that show items in the order they arrived and forget it when they
// restart (GNOME's extension and Budgie put the newest leftmost, LXQt and
// Waybar rightmost; an XEmbed tray docks icons likewise): a separator moves
// to the newest end by arriving again. The separators' list is kept in the
// order they stand, so that the next start, which registers them in list
// order, brings the arrangement back.
class ArrivalOrderPlacement final : public PlacementStrategy {
public:
    enum class NewestEnd { Left, Right };

    ArrivalOrderPlacement(PlacementContext& context, NewestEnd newest)
        : PlacementStrategy(context)
        , newest_(newest) {}

    void addMenuItems(JXMenu& menu, const QString& id) override;
    void separatorAdded(const QString& source, const QString& added) override;
    void arrange(bool newRule) override;

private:
    void moveToNewestEnd(const QString& id);
    // `ids` arrive again one by one, in list order from the newest end inwards.
    void arriveInOrder(QStringList ids);

    NewestEnd newest_;
    // The separator "New" just made, which the separators between it and
    // the newest end follow once it has arrived.
    QString added_;
};

} // namespace app
