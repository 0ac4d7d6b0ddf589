// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// A program whose main thread never returns to its event loop: only the
// termination watchdog can end it.
#include "platform/linux/TerminationSignals.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const platform::xdg::TerminationSignals termination([] { QCoreApplication::quit(); });
    std::puts("busy");
    std::fflush(stdout);
    for (volatile bool busy = true; busy;) {
    }
    return 0;
}
