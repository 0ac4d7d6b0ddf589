// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/SeparatorListEdits.h"

#include "app/SeparatorCharacters.h"

#include <QSet>

#include <algorithm>

namespace app::separatorListEdits {

qsizetype distinctCount(const QList<keys::SeparatorItem>& list) {
    QSet<QUuid> identities;
    identities.reserve(list.size());
    for (const keys::SeparatorItem& element : list)
        identities.insert(element.id);
    return identities.size();
}

keys::SeparatorItem copyOf(const keys::SeparatorItem& source) {
    return keys::SeparatorItem::make(isBlankSeparatorCharacter(source.character)
                                         ? defaultSeparatorCharacter()
                                         : source.character);
}

QList<keys::SeparatorItem> inserting(QList<keys::SeparatorItem> list,
                                     const keys::SeparatorItem& added,
                                     const std::optional<QUuid>& after) {
    if (distinctCount(list) >= maximumSeparators)
        return list;
    const auto found =
        std::find_if(list.begin(), list.end(), [&after](const keys::SeparatorItem& item) {
            return after && item.id == *after;
        });
    list.insert(found == list.end() ? list.size() : found - list.begin() + 1, added);
    return list;
}

QList<keys::SeparatorItem> removing(QList<keys::SeparatorItem> list, const QUuid& id) {
    list.removeIf([&id](const keys::SeparatorItem& item) { return item.id == id; });
    return list;
}

QList<keys::SeparatorItem> movingToEnd(QList<keys::SeparatorItem> list, const QUuid& id,
                                       bool toFront) {
    const auto found = std::find_if(
        list.begin(), list.end(), [&id](const keys::SeparatorItem& item) { return item.id == id; });
    if (found != list.end())
        list.move(found - list.begin(), toFront ? 0 : list.size() - 1);
    return list;
}

QList<keys::SeparatorItem> movingBefore(QList<keys::SeparatorItem> list, const QUuid& id,
                                  const std::optional<QUuid>& before) {
    const auto indexOf = [&list](const QUuid& wanted) {
        return std::find_if(list.begin(), list.end(),
                            [&wanted](const keys::SeparatorItem& item) { return item.id == wanted; }) -
               list.begin();
    };
    const qsizetype from = indexOf(id);
    if (from == list.size())
        return list;
    const keys::SeparatorItem moved = list.takeAt(from);
    list.insert(before ? indexOf(*before) : list.size(), moved);
    return list;
}

QList<keys::SeparatorItem> withCharacter(QList<keys::SeparatorItem> list, const QUuid& id,
                                         const QString& character) {
    const auto found = std::find_if(
        list.begin(), list.end(), [&id](const keys::SeparatorItem& item) { return item.id == id; });
    if (found != list.end())
        found->character = character;
    return list;
}

} // namespace app::separatorListEdits
