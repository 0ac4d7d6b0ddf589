// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/ErrorLog.h"
#include "platform/ItemVisibility.h"

namespace menubar {

// What was going on when a status item started at login did not appear:
// sent once per installation, to learn why items go missing at login.
struct VisibilityReport {
    static QString errorMessage() {
        return QStringLiteral("NSStatusItem#ensureVisibility was shown 2");
    }
    static QString sourceFile() { return QStringLiteral("Gapsel/JXKit"); }
    static constexpr qint64 sourceLine = 70785;

    bool hasMainScreen = false;
    bool isDarkWake = false;
    double uptime = 0;
    double uptimeIncludingSleep = 0;
    double appUptime = 0;
    bool wasLaunchedAtLogin = false;
    // The desktop's own: what hides items there (ItemVisibility::reportFacts).
    platform::ItemVisibility::ReportFacts desktopFacts;

    // The six entries above in this order, then the desktop's.
    kit::ErrorContext context() const;
    // Hands the report to the kit's error log.
    void send() const;
};

// "1h 2m 3s", "4m 0s", "59s": whole seconds, leading zero units left out.
QString formattedDuration(double seconds);

} // namespace menubar
