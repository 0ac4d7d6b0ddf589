// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "GapselProcess.h"

#include <csignal>
#include <unistd.h>

namespace e2e {

namespace {
void signalGroup(const QProcess& process, int signal) {
    if (process.processId() > 0)
        ::kill(-static_cast<pid_t>(process.processId()), signal);
}
} // namespace

bool GapselProcess::start(const QProcessEnvironment& environment, const QStringList& arguments) {
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.start(QStringLiteral(GAPSEL_EXECUTABLE), arguments);
    return process_.waitForStarted();
}

void GapselProcess::stop() {
    endProcess(process_);
}

void startInOwnGroup(QProcess& process) {
    process.setChildProcessModifier([] { ::setsid(); });
}

void endProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    signalGroup(process, SIGTERM);
    process.terminate();
    if (!process.waitForFinished(10000)) {
        signalGroup(process, SIGKILL);
        process.kill();
    }
    process.waitForFinished();
}

bool runDefaultsTool(const QProcessEnvironment& environment, const QStringList& arguments) {
    QProcess defaults;
    defaults.setProcessEnvironment(environment);
    defaults.start(QStringLiteral(GAPSEL_DEFAULTS_EXECUTABLE), arguments);
    return defaults.waitForFinished(20000) && defaults.exitStatus() == QProcess::NormalExit &&
           defaults.exitCode() == 0;
}

} // namespace e2e
