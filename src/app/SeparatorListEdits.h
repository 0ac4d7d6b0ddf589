// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "app/SeparatorItem.h"

#include <QList>

// The changes a separator's menu makes to the list, as functions of the list
// as it is when the user acts.
namespace app::separatorListEdits {

// The most separators Gapsel shows and makes. A panel holds a few dozen
// items, and each separator is a tray item with a bus connection (an open
// file) of its own: a hundred stay far below the usual limit of 1,024 open
// files and register in well under a second.
inline constexpr qsizetype maximumSeparators = 100;

// How many separators the list shows: each identity once.
qsizetype distinctCount(const QList<SeparatorItem>& list);

// Appends a new separator showing what `source` shows, or the default
// character when `source` is blank; the list comes back unchanged when it
// holds the maximum already.
QList<SeparatorItem> appendingCopyOf(QList<SeparatorItem> list, const SeparatorItem& source);

// Removes every element with this identity; the list comes back unchanged
// when there is none.
QList<SeparatorItem> removing(QList<SeparatorItem> list, const QUuid& id);

// Gives the first element with this identity a new character, in place.
QList<SeparatorItem> withCharacter(QList<SeparatorItem> list, const QUuid& id,
                                   const QString& character);

} // namespace app::separatorListEdits
