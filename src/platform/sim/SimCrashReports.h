// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/CrashReports.h"

namespace platform::sim {

// Crash reports kept as the simulated desktop's system keeps them; a test may
// change the place.
class SimCrashReports final : public CrashReports {
public:
    CrashReportPlace place() const override { return reports; }

    CrashReportPlace reports{CrashReportStore::DiagnosticReports,
                             QStringLiteral("/Library/Logs/DiagnosticReports/")};
};

} // namespace platform::sim
