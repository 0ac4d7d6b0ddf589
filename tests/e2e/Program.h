// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QProcess>
#include <QProcessEnvironment>

namespace e2e {

// A program on a test's desktop, Gapsel itself unless another is named,
// ended with the test.
class Program {
public:
    explicit Program(QString program = QStringLiteral(GAPSEL_EXECUTABLE))
        : program_(std::move(program)) {}
    ~Program() { stop(); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts it, passing what it writes through to the test's own output on
    // the channels `forwarded` names.
    bool start(const QProcessEnvironment& environment, const QStringList& arguments = {},
               QProcess::ProcessChannelMode forwarded = QProcess::ForwardedChannels);
    // Ends it as a session's end does (SIGTERM).
    void stop();
    bool running() const { return process_.state() == QProcess::Running; }
    qint64 processId() const { return process_.processId(); }
    // What it wrote so far on the channels not passed through.
    QString output();

private:
    QString program_;
    QProcess process_;
    QString output_;
};

// A process group of its own for `process`, so that whatever it starts in
// turn (Plasma's helpers, sway's bar, services a bus starts) ends with it.
void startInOwnGroup(QProcess& process);

// Ends `process` and its group as a session's end does (SIGTERM), killing
// them if they have not ended after ten seconds; nothing when it is not running.
void endProcess(QProcess& process);

// Runs `gapsel-defaults` with these arguments on the desktop; whether it succeeded.
bool runDefaultsTool(const QProcessEnvironment& environment, const QStringList& arguments);

} // namespace e2e
