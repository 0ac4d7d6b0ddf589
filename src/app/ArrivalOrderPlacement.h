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
//
// Where the newest stand rightmost, a separator can also follow another
// program's item: it arrives after it. That item is kept under
// "separatorPlacements", and at start the separator and those listed after
// it wait for the item to register first (for a while at most).
class ArrivalOrderPlacement final : public PlacementStrategy {
public:
    enum class NewestEnd { Left, Right };

    // How long separators wait at start for the item they follow.
    static constexpr double anchorWaitSeconds = 30;

    ArrivalOrderPlacement(PlacementContext& context, NewestEnd newest);
    // Separators still waiting come now: the tray's rule changed.
    ~ArrivalOrderPlacement() override;

    void addMenuItems(JXMenu& menu, const QString& id) override;
    void separatorAdded(const QString& source, const QString& added) override;
    void separatorRemoved(const QString& id) override;
    void arrange(bool newRule) override;

private:
    void moveToNewestEnd(const QString& id);
    void placeAfter(const QString& id, const platform::TrayItemDescription& item);
    // `ids` arrive again one by one, in list order from the newest end
    // inwards; those held back wait on.
    void arriveInOrder(QStringList ids);

    // The index in `ids` of the first separator that follows an item not in
    // the tray now; -1 when there is none.
    qsizetype firstWaiting(const QStringList& ids) const;
    void holdBackUntilAnchorsCome();
    // The held separators up to the first still waiting arrive; all of them
    // with `all`.
    void release(bool all);

    NewestEnd newest_;
    // The separator "New" just made, which the separators between it and
    // the newest end follow once it has arrived.
    QString added_;
    bool started_ = false;
    // In list order: separators kept off the tray until the items they
    // follow have come.
    QStringList held_;
};

} // namespace app
