// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/ArrivalOrderPlacement.h"

#include "app/SeparatorListEdits.h"
#include "menubar/JXMenu.h"

#include <QCoreApplication>

#include <algorithm>

namespace app {

void ArrivalOrderPlacement::addMenuItems(JXMenu& menu, const QString& id) {
    const QString title =
        newest_ == NewestEnd::Left
            ? QCoreApplication::translate("SeparatorPlacement", "Move to Left End")
            : QCoreApplication::translate("SeparatorPlacement", "Move to Right End");
    addEntry(menu, title, true, [this, id] { moveToNewestEnd(id); });
}

void ArrivalOrderPlacement::moveToNewestEnd(const QString& id) {
    const QUuid uuid(id);
    const bool toFront = newest_ == NewestEnd::Left;
    Defaults::modify(context_.keys.separators, [&](QList<keys::SeparatorItem>& list) {
        list = separatorListEdits::movingToEnd(list, uuid, toFront);
    });
    context_.tray.arriveAgain(id);
}

// The new separator is listed right after its source but arrives at the
// newest end: the separators listed between it and that end arrive again
// after it.
void ArrivalOrderPlacement::separatorAdded(const QString& /*source*/, const QString& added) {
    added_ = added;
}

// Separators first shown under another rule arrive again, so that the list
// reads left to right once more.
void ArrivalOrderPlacement::arrange(bool newRule) {
    if (newRule)
        arriveInOrder(context_.ids);
    const qsizetype at = context_.ids.indexOf(added_);
    if (at < 0)
        return;
    added_.clear();
    QStringList following =
        newest_ == NewestEnd::Right ? context_.ids.mid(at + 1) : context_.ids.first(at);
    // Its status item was made just now and arrives on the next turn.
    later([this, following] { arriveInOrder(following); });
}

void ArrivalOrderPlacement::arriveInOrder(QStringList ids) {
    if (newest_ == NewestEnd::Left)
        std::reverse(ids.begin(), ids.end());
    for (const QString& id : ids)
        context_.tray.arriveAgain(id);
}

} // namespace app
