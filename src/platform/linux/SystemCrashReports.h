// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/CrashReports.h"

namespace platform::xdg {

// systemd-coredump keeps crashes in the journal (coredumpctl) and, where it
// stores them as files, in /var/lib/systemd/coredump; without it the kernel
// writes a core file into the folder the program was started in.
class SystemCrashReports final : public CrashReports {
public:
    CrashReportPlace place() const override;

    // Where a crash goes, given whether coredumpctl is installed, the
    // kernel's core_pattern and the core size limit in bytes: a pattern
    // starting with '|' hands the core to a program (systemd-coredump,
    // apport), which ignores the limit; otherwise a limit of 0 writes none.
    static CrashReportStore storeFor(bool hasCoredumpctl, const QString& corePattern,
                                     unsigned long long coreLimit);
    // The folder where cores go by the kernel's core_pattern, in full.
    static QString coreFolder(const QString& corePattern);
};

} // namespace platform::xdg
