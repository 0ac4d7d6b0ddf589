// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

namespace platform {

// How the system keeps what is left of a program that crashed.
enum class CrashReportStore {
    // Report files named after the program in a "DiagnosticReports" folder.
    DiagnosticReports,
    // systemd-coredump: read with coredumpctl.
    Coredumpctl,
    // A "core" file written in the folder the program was started from.
    CoreFile,
    // Nothing: core dumps are off (a core size limit of 0) and no handler
    // takes them.
    Nothing,
};

struct CrashReportPlace {
    CrashReportStore store = CrashReportStore::CoreFile;
    // The folder to show the user, in full; empty where there is none
    // (coredumpctl keeps its dumps to itself).
    QString folder;
};

// Where crash reports of this program end up on this system.
class CrashReports {
public:
    virtual ~CrashReports() = default;
    virtual CrashReportPlace place() const = 0;
};

} // namespace platform
