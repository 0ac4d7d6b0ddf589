// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Defaults.h"

#include <QString>

namespace keys {

// The other program's tray item that a separator was placed right after, on
// trays that sort items: its Id, and its title when it was last seen, which
// keeps the separator in that place while the item is away. No Id stands for
// the start of the tray.
struct PlacementAnchor {
    QString id;
    QString title;

    static constexpr auto jsonFields() {
        return std::tuple{Defaults::jsonField("id", &PlacementAnchor::id),
                          Defaults::jsonField("title", &PlacementAnchor::title)};
    }
    friend bool operator==(const PlacementAnchor&, const PlacementAnchor&) = default;
};

} // namespace keys
