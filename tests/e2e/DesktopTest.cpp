// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DesktopTest.h"

#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace e2e {

DesktopTest::DesktopTest(const QString& hostName)
    : desktop(testing_support::freshFolder(QStringLiteral("desktop")), hostNamed(hostName)) {}

void DesktopTest::SetUp() {
    if (!chosenHosts().contains(desktop.host().name))
        GTEST_SKIP() << "not chosen in GAPSEL_E2E_HOSTS";
    if (!desktop.host().installed())
        GTEST_SKIP() << desktop.host().program.toStdString() << " is not installed ("
                     << desktop.host().packages.toStdString() << ")";
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
    for (const QString& service : host->itemServices())
        if (host->itemProperty(service, QStringLiteral("Id")).toString() == id)
            return service;
    return {};
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

namespace {
// Writes an executable shell script.
void writeScript(const QString& path, const QByteArray& body) {
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return;
    script.write("#!/bin/sh\n" + body);
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
}
} // namespace

QStringList linesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QProcessEnvironment withRecordingOpener(QProcessEnvironment environment, const QString& folder,
                                        const QString& log) {
    QDir().mkpath(folder);
    writeScript(folder + QStringLiteral("/xdg-open"),
                "printf '%s\\n' \"$1\" >> '" + log.toUtf8() + "'\n");
    writeScript(folder + QStringLiteral("/xdg-mime"), "exit 0\n");
    environment.insert(QStringLiteral("PATH"),
                       folder + QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
    return environment;
}

} // namespace e2e
