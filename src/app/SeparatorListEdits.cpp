// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/SeparatorListEdits.h"

#include "app/SeparatorCharacters.h"

#include <QSet>

#include <algorithm>

namespace app::separatorListEdits {

qsizetype distinctCount(const QList<SeparatorItem>& list) {
    QSet<QUuid> identities;
    identities.reserve(list.size());
    for (const SeparatorItem& element : list)
        identities.insert(element.id);
    return identities.size();
}

QList<SeparatorItem> appendingCopyOf(QList<SeparatorItem> list, const SeparatorItem& source) {
    if (distinctCount(list) >= maximumSeparators)
        return list;
    list.append(SeparatorItem::make(isBlankSeparatorCharacter(source.character)
                                        ? defaultSeparatorCharacter()
                                        : source.character));
    return list;
}

QList<SeparatorItem> removing(QList<SeparatorItem> list, const QUuid& id) {
    list.removeIf([&id](const SeparatorItem& item) { return item.id == id; });
    return list;
}

QList<SeparatorItem> withCharacter(QList<SeparatorItem> list, const QUuid& id,
                                   const QString& character) {
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&id](const SeparatorItem& item) { return item.id == id; });
    if (found != list.end())
        found->character = character;
    return list;
}

} // namespace app::separatorListEdits
