// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

namespace {

TEST(TerminationSignals, EndTheProgramWithinASecondEvenWhileItIsBusy) {
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        QProcess child;
        child.start(QStringLiteral(BUSY_CHILD), {});
        ASSERT_TRUE(child.waitForReadyRead(30000));
        ::kill(static_cast<pid_t>(child.processId()), number);
        // A generous bound: the watchdog fires after one second.
        ASSERT_TRUE(child.waitForFinished(10000)) << "signal " << number;
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child.exitCode(), 128 + number);
    }
}

} // namespace
