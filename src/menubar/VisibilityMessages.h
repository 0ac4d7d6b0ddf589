// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/ItemVisibility.h"

#include <QCoreApplication>
#include <QString>

namespace menubar {

// What the visibility check tells the user when a status item did not
// appear: one text for a menu bar that hides itself, one for the others.
// Each is a paragraph saying why, a blank line, and what to do about the
// warning itself.
struct VisibilityMessages {
    static QString checkboxTitle() {
        return QCoreApplication::translate("VisibilityMessages", "Do not show this again");
    }

    QString title;
    QString whenHidingAutomatically;
    QString otherwise;

    // The texts for the reason found. A menu bar that leaves out items for
    // want of room (the simulated desktop's) gets its own wording; the tray
    // hosts of Linux desktops get the cause that was found, with the remedy
    // for that desktop.
    static VisibilityMessages forVerdict(const platform::HiddenVerdict& verdict);
    // Both texts with `extra` as a paragraph of its own at the end.
    VisibilityMessages withExtraMessage(const QString& extra) const;
};

} // namespace menubar
