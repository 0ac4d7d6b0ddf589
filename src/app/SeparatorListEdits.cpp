// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/SeparatorListEdits.h"

#include "app/SeparatorCharacters.h"

#include <QSet>

#include <algorithm>

namespace app {

namespace {

// Where separator `id` stands in `list`; the list's size when it is not there.
qsizetype indexOf(const QList<keys::SeparatorItem>& list, const QUuid& id) {
    return std::find_if(list.begin(), list.end(),
                        [&id](const keys::SeparatorItem& item) { return item.id == id; }) -
           list.begin();
}

} // namespace

qsizetype distinctSeparatorCount(const QList<keys::SeparatorItem>& list) {
    QSet<QUuid> identities;
    identities.reserve(list.size());
    for (const keys::SeparatorItem& element : list)
        identities.insert(element.id);
    return identities.size();
}

keys::SeparatorItem copyOfSeparator(const keys::SeparatorItem& source) {
    return keys::SeparatorItem::make(isBlankSeparatorCharacter(source.character)
                                         ? defaultSeparatorCharacter()
                                         : source.character);
}

QList<keys::SeparatorItem> insertingSeparator(QList<keys::SeparatorItem> list,
                                              const keys::SeparatorItem& added,
                                              const std::optional<QUuid>& after) {
    if (distinctSeparatorCount(list) >= maximumSeparators)
        return list;
    const qsizetype at = after ? indexOf(list, *after) : list.size();
    list.insert(at < list.size() ? at + 1 : list.size(), added);
    return list;
}

QList<keys::SeparatorItem> removingSeparator(QList<keys::SeparatorItem> list, const QUuid& id) {
    list.removeIf([&id](const keys::SeparatorItem& item) { return item.id == id; });
    return list;
}

QList<keys::SeparatorItem> movingSeparatorToEnd(QList<keys::SeparatorItem> list, const QUuid& id,
                                                bool toFront) {
    if (const qsizetype at = indexOf(list, id); at < list.size())
        list.move(at, toFront ? 0 : list.size() - 1);
    return list;
}

QList<keys::SeparatorItem> movingSeparatorBefore(QList<keys::SeparatorItem> list, const QUuid& id,
                                                 const std::optional<QUuid>& before) {
    const qsizetype from = indexOf(list, id);
    if (from == list.size())
        return list;
    const keys::SeparatorItem moved = list.takeAt(from);
    list.insert(before ? indexOf(list, *before) : list.size(), moved);
    return list;
}

QList<keys::SeparatorItem> withSeparatorCharacter(QList<keys::SeparatorItem> list, const QUuid& id,
                                                  const QString& character) {
    if (const qsizetype at = indexOf(list, id); at < list.size())
        list[at].character = character;
    return list;
}

} // namespace app
