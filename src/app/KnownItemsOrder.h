// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QStringList>

#include <functional>
#include <optional>

// Edits of XFCE's list of known tray item Ids, whose order is the order in
// the tray. Only the one Id being moved changes place: every other entry
// keeps its relative order, and none is added or dropped.
namespace app {

// Whether an Id stands for an item in the tray now (the list also remembers
// items of programs that are not running).
using IsItemShown = std::function<bool(const QString& id)>;

// `moving` taken out and put back right after `anchor` (added there when it
// was not listed yet); absent when `anchor` is not listed or is `moving`.
std::optional<QStringList> placingKnownItemAfter(QStringList ids, const QString& moving,
                                                 const QString& anchor);

// `moving` past its next shown neighbour to the right (`step` 1) or to the
// left (`step` -1); absent when it is not listed or no shown item is there.
std::optional<QStringList> steppingKnownItemPast(const QStringList& ids, const QString& moving,
                                                 int step, const IsItemShown& isShown);

} // namespace app
