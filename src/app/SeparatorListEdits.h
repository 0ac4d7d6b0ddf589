// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "keys/SeparatorItem.h"

#include <QList>

#include <optional>

// The changes a separator's menu makes to the list, as functions of the list
// as it is when the user acts.
namespace app {

// The most separators Gapsel shows and makes. A panel holds a few dozen
// items, and each separator is a tray item with a bus connection (an open
// file) of its own: a hundred stay far below the usual limit of 1,024 open
// files and register in well under a second.
inline constexpr qsizetype maximumSeparators = 100;

// How many separators the list shows: each identity once.
qsizetype distinctSeparatorCount(const QList<keys::SeparatorItem>& list);

// A new separator showing what `source` shows, or the default character when
// `source` is blank.
keys::SeparatorItem copyOfSeparator(const keys::SeparatorItem& source);

// Adds `added` right after the first element with identity `after`, or at
// the end when there is none (or no `after`); the list comes back unchanged
// when it holds the maximum already.
QList<keys::SeparatorItem> insertingSeparator(QList<keys::SeparatorItem> list,
                                              const keys::SeparatorItem& added,
                                              const std::optional<QUuid>& after);

// Removes every element with this identity; the list comes back unchanged
// when there is none.
QList<keys::SeparatorItem> removingSeparator(QList<keys::SeparatorItem> list, const QUuid& id);

// Takes the first element with this identity to the front (`toFront`) or
// the back of the list; the list comes back unchanged when there is none.
QList<keys::SeparatorItem> movingSeparatorToEnd(QList<keys::SeparatorItem> list, const QUuid& id,
                                                bool toFront);

// Takes the first element with identity `id` to just before the first one
// with identity `before`, or to the back of the list when there is none (or
// no `before`); the list comes back unchanged when there is no `id`.
QList<keys::SeparatorItem> movingSeparatorBefore(QList<keys::SeparatorItem> list, const QUuid& id,
                                                 const std::optional<QUuid>& before);

// Gives the first element with this identity a new character, in place.
QList<keys::SeparatorItem> withSeparatorCharacter(QList<keys::SeparatorItem> list, const QUuid& id,
                                                  const QString& character);

} // namespace app
