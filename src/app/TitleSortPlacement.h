// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "app/PlacementStrategy.h"
#include "keys/PlacementAnchor.h"

#include <QMap>

#include <optional>

namespace app {

// Plasma, Cinnamon: the tray sorts its items by category and title, so a
// separator is placed by giving it a title that sorts where the user wants
// it. The item it follows is kept under "separatorPlacements" and the titles
// are worked out again whenever the tray's items change.
class TitleSortPlacement final : public PlacementStrategy {
public:
    explicit TitleSortPlacement(PlacementContext& context);

    void addMenuItems(JXMenu& menu, const QString& id) override;
    void separatorAdded(const QString& source, const QString& added) override;
    void separatorRemoved(const QString& id) override;
    void arrange(bool newRule) override;

private:
    using Item = platform::TrayItemDescription;

    QMap<QString, Item> sortKeys(const QList<Item>& others);
    std::optional<keys::PlacementAnchor> steppedAnchor(const QString& id, int step);
    void placeAfter(const QString& id, const keys::PlacementAnchor& anchor);
    void applySortKeys();
    void addMove(JXMenu& menu, const QString& title, const QString& id, int step);
};

} // namespace app
