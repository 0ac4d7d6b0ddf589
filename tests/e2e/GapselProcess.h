// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QProcess>
#include <QProcessEnvironment>

namespace e2e {

// Gapsel itself, started on a test's desktop and ended with the test.
class GapselProcess {
public:
    GapselProcess() = default;
    ~GapselProcess() { stop(); }
    GapselProcess(const GapselProcess&) = delete;
    GapselProcess& operator=(const GapselProcess&) = delete;

    bool start(const QProcessEnvironment& environment, const QStringList& arguments = {});
    // Ends it as a session's end does (SIGTERM).
    void stop();
    bool running() const { return process_.state() == QProcess::Running; }
    qint64 processId() const { return process_.processId(); }

private:
    QProcess process_;
};

// Makes `process` start in a process group of its own, so that whatever it
// starts in turn (Plasma's helpers, sway's bar, services a bus starts) ends
// with it.
void startInOwnGroup(QProcess& process);

// Ends `process` and its group as a session's end does (SIGTERM), killing
// them if they have not ended after ten seconds; nothing when it is not running.
void endProcess(QProcess& process);

// Runs `gapsel-defaults` with these arguments on the desktop; whether it succeeded.
bool runDefaultsTool(const QProcessEnvironment& environment, const QStringList& arguments);

} // namespace e2e
