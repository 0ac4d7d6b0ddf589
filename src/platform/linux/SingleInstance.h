// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <functional>

namespace platform::xdg {

// At most one instance of the application per preferences file. The instance
// that holds a lock file beside the preferences file is the running one, so two
// sessions with different runtime folders still cannot run two over the same
// preferences. It listens on a local socket in the runtime folder, so that a
// later start can tell it it was started again before giving way.
class SingleInstance {
public:
    enum class Claim { Granted, AnotherIsRunning };

    // `identifier` names the socket (the bundle identifier); the lock is
    // `preferencesFile` with ".instance" appended (in the runtime folder,
    // named by `identifier`, when there is no preferences file).
    SingleInstance(const QString& identifier, const QString& preferencesFile);

    // Becomes the running instance, or finds another one. An ordinary start
    // tells the running instance and gives way. A new instance started on
    // purpose (a relaunch) waits for the running one to finish quitting; only
    // if it never does within `patienceMs` does it give way too.
    Claim claim(bool isNewInstance, int patienceMs = 15000);

    // The process that runs the other instance, once claim() found one (0 when
    // it cannot be told).
    qint64 runningProcessId() const;

    // What the running instance does when a later start tells it so.
    void onStartedAgain(std::function<void()> handler) { startedAgain_ = std::move(handler); }

private:
    void listen();
    void tellRunningInstance() const;

    QString socketPath_;
    QLockFile lock_;
    QLocalServer server_;
    std::function<void()> startedAgain_;
};

} // namespace platform::xdg
