// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QLockFile>
#include <QSocketNotifier>
#include <QString>

#include <functional>
#include <memory>

namespace platform::xdg {

// At most one instance of the application per preferences file. The instance
// that holds a lock file beside the preferences file is the running one, so two
// sessions with different runtime folders still cannot run two over the same
// preferences. It listens on a local socket in the runtime folder, so that a
// later start can tell it it was started again before giving way. The socket
// is a plain Unix socket: a tray utility need not load a network library at
// every start for this one message.
class SingleInstance {
public:
    enum class Claim { Granted, AnotherIsRunning };

    // `identifier` names the socket (the bundle identifier); the lock is
    // `preferencesFile` with ".instance" appended (in the runtime folder,
    // named by `identifier`, when there is no preferences file).
    SingleInstance(const QString& identifier, const QString& preferencesFile);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

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
    void acceptStarts();
    void tellRunningInstance() const;

    QString socketPath_;
    QLockFile lock_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> listening_;
    std::function<void()> startedAgain_;
};

} // namespace platform::xdg
