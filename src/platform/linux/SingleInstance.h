// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <functional>

namespace platform::xdg {

// At most one instance of the application per user session. The instance that
// holds a lock file in the runtime folder is the running one; it listens on a
// local socket beside it, so that a later start can tell it it was started
// again before giving way.
class SingleInstance {
public:
    enum class Claim { Granted, AnotherIsRunning };

    // `identifier` names the lock and the socket (the bundle identifier).
    explicit SingleInstance(const QString& identifier);

    // Becomes the running instance, or finds another one. An ordinary start
    // tells the running instance and gives way. A new instance started on
    // purpose (a relaunch) waits for the running one to finish quitting; only
    // if it never does within `patienceMs` does it give way too.
    Claim claim(bool isNewInstance, int patienceMs = 15000);

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
