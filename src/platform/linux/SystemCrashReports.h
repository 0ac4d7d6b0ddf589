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
};

} // namespace platform::xdg
