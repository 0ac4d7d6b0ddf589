// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DesktopTest.h"

#include "support/TestEnvironment.h"

#include <QStandardPaths>

#include <cstdio>

namespace e2e {

DesktopTest::DesktopTest(const QString& hostName)
    : desktop(testing_support::freshFolder(QStringLiteral("desktop")), hostNamed(hostName)) {}

void DesktopTest::SetUp() {
    if (!chosenHosts().contains(desktop.host().name))
        GTEST_SKIP() << "not chosen in GAPSEL_E2E_HOSTS";
    if (QStandardPaths::findExecutable(desktop.host().program).isEmpty())
        GTEST_SKIP() << desktop.host().program.toStdString()
                     << " is not installed (scripts/hosts installs it)";
    const QString failure = desktop.start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    host.emplace(desktop.bus());
}

bool DesktopTest::eventually(const std::function<bool()>& condition, int timeoutMs) {
    return testing_support::processEventsUntil(condition, timeoutMs);
}

QStringList DesktopTest::idsInWatcher() const {
    QStringList ids;
    for (const QString& service : host->itemServices())
        ids.append(host->itemProperty(service, QStringLiteral("Id")).toString());
    return ids;
}

QString DesktopTest::serviceWithId(const QString& id) const {
    return host->itemServices().value(idsInWatcher().indexOf(id));
}

void hostCheck(const QString& host, const char* check, bool passed, const QString& detail) {
    std::printf("[host-check] %s %s %s %s\n", qPrintable(host), check, passed ? "pass" : "FAIL",
                qPrintable(detail));
    std::fflush(stdout);
    EXPECT_TRUE(passed) << check << ": " << detail.toStdString();
}

int repetitions(const char* variable) {
    return qEnvironmentVariableIsSet(variable) ? std::max(1, qEnvironmentVariableIntValue(variable))
                                               : 3;
}

} // namespace e2e
