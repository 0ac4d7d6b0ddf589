// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"
#include "platform/TrayPlacement.h"

#include <QList>

// How the sorting tray hosts order items, and the category and title that
// put a separator where the user wants it there.
namespace app {

// Whether `host` shows `a` before `b`: Plasma by category rank, then by the
// locale's collation of the title; Cinnamon by the collation of the
// lower-cased title. Items that compare equal keep their arrival order.
bool hostSortsBefore(platform::TrayHostKind host, const platform::TrayItemDescription& a,
                     const platform::TrayItemDescription& b);

// The category and title of Gapsel's separator at `index` of the list when
// the user placed it nowhere: one title after the other in list order.
platform::TrayItemDescription sortKeyInSequence(qsizetype index);

// Every title names Gapsel's separator; none is empty.
//
// The category and title that sort right after `anchor` and before every
// item of `others` that sorts after it. `index` is the separator's place in
// the list, so that separators after the same anchor keep list order.
platform::TrayItemDescription sortKeyRightAfter(platform::TrayHostKind host,
                                                const platform::TrayItemDescription& anchor,
                                                const QList<platform::TrayItemDescription>& others,
                                                qsizetype index);

// The category and title that sort before every item of `others`, for the
// separator at `index` of the list.
platform::TrayItemDescription sortKeyAtStart(platform::TrayHostKind host,
                                             const QList<platform::TrayItemDescription>& others,
                                             qsizetype index);

} // namespace app
