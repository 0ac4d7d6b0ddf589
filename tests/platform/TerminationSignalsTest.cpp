// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/TerminationSignals.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// The main thread never returns to the event loop: only the watchdog, a
// second after the signal, can end the program (ten seconds is generous).
void signalWhileBusy(int number) {
    const platform::xdg::TerminationSignals termination([] { QCoreApplication::quit(); });
    std::raise(number);
    for (const QDeadlineTimer busy(10000); !busy.hasExpired();) {
    }
}

TEST(TerminationSignals, EndTheProgramWithinASecondEvenWhileItIsBusy) {
    for (const int number : {SIGTERM, SIGINT, SIGHUP})
        EXPECT_EXIT(signalWhileBusy(number), ::testing::ExitedWithCode(128 + number), "")
            << "signal " << number;
}

} // namespace
