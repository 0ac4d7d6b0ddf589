// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "Program.h"

#include <csignal>
#include <unistd.h>

namespace e2e {

namespace {
void signalGroup(const QProcess& process, int signal) {
    if (process.processId() > 0)
        ::kill(-static_cast<pid_t>(process.processId()), signal);
}
} // namespace

bool Program::start(const QProcessEnvironment& environment, const QStringList& arguments,
                    QProcess::ProcessChannelMode forwarded) {
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(forwarded);
    process_.start(program_, arguments);
    return process_.waitForStarted();
}

QString Program::output() {
    output_ +=
        QString::fromUtf8(process_.readAllStandardOutput() + process_.readAllStandardError());
    return output_;
}

void Program::stop() {
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
