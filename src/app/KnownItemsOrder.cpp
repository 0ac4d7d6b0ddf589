// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/KnownItemsOrder.h"

namespace app {

std::optional<QStringList> placingKnownItemAfter(QStringList ids, const QString& moving,
                                                 const QString& anchor) {
    if (moving == anchor)
        return std::nullopt;
    ids.removeAll(moving);
    const qsizetype at = ids.indexOf(anchor);
    if (at < 0)
        return std::nullopt;
    ids.insert(at + 1, moving);
    return ids;
}

std::optional<QStringList> steppingKnownItemPast(const QStringList& ids, const QString& moving,
                                                 int step, const IsItemShown& isShown) {
    const qsizetype from = ids.indexOf(moving);
    if (from < 0)
        return std::nullopt;
    for (qsizetype at = from + step; at >= 0 && at < ids.size(); at += step) {
        if (!isShown(ids[at]))
            continue;
        QStringList moved = ids;
        moved.move(from, at);
        return moved;
    }
    return std::nullopt;
}

} // namespace app
