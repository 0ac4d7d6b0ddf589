// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "GapselProcess.h"

namespace e2e {

bool GapselProcess::start(const QProcessEnvironment& environment, const QStringList& arguments) {
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.start(QStringLiteral(GAPSEL_EXECUTABLE), arguments);
    return process_.waitForStarted();
}

void endProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(10000))
        process.kill();
    process.waitForFinished();
}

void GapselProcess::stop() {
    endProcess(process_);
}

bool runDefaultsTool(const QProcessEnvironment& environment, const QStringList& arguments) {
    QProcess defaults;
    defaults.setProcessEnvironment(environment);
    defaults.start(QStringLiteral(GAPSEL_DEFAULTS_EXECUTABLE), arguments);
    return defaults.waitForFinished(20000) && defaults.exitStatus() == QProcess::NormalExit &&
           defaults.exitCode() == 0;
}

} // namespace e2e
