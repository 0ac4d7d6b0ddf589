// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Defaults.h"

#include <QString>
#include <QUuid>

namespace keys {

// One separator in the menu bar: its identity, fixed when it is made (it also
// names its status item, so the desktop keeps its place), and the string its
// status item shows, normally one of the characters the menu offers.
struct SeparatorItem {
    QUuid id;
    QString character;

    // A new separator, with a fresh identity.
    static SeparatorItem make(QString character) {
        return SeparatorItem{QUuid::createUuid(), std::move(character)};
    }
    // The identity as the desktop and the log see it: upper-case, with hyphens.
    QString idString() const { return id.toString(QUuid::WithoutBraces).toUpper(); }

    static constexpr auto jsonFields() {
        return std::tuple{Defaults::jsonField("id", &SeparatorItem::id),
                          Defaults::jsonField("character", &SeparatorItem::character)};
    }
    friend bool operator==(const SeparatorItem&, const SeparatorItem&) = default;
};

inline size_t qHash(const SeparatorItem& item, size_t seed = 0) {
    return qHashMulti(seed, item.id, item.character);
}

} // namespace keys
