// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QLockFile>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace platform::xdg {

// At most one instance of the application per preferences file. The instance
// that holds a lock file beside the preferences file is the running one, so two
// sessions with different runtime folders still cannot run two over the same
// preferences. It listens on a local socket found from the preferences file
// too (beside the lock, else in the runtime folder under a name taken from
// the lock's path), so that a later start reaches it at once, whatever its
// runtime folder, and tells it it was started again, with what was asked of
// that start, before giving way. The socket is a plain Unix socket: a tray
// utility need not load a network library at every start for this one message.
//
// The running instance reads its socket without ever waiting on a peer: each
// connection is read as its bytes arrive, one that has not said its line by
// `peerPatienceMs` is dropped, and of more than a few unfinished connections
// the oldest give way to the newest.
class SingleInstance {
public:
    // Failed: the lock could not be made (a folder that is not one, a full
    // disk); problem() says why.
    enum class Claim { Granted, AnotherIsRunning, Failed };
    // What a later start asked for (options it hands on), in its order.
    using StartedAgain = std::function<void(const QStringList& requests)>;

    // `identifier` names the runtime folder's socket (the bundle identifier);
    // the lock is `preferencesFile` with ".instance" appended (in the runtime
    // folder, named by `identifier`, when there is no preferences file).
    SingleInstance(const QString& identifier, const QString& preferencesFile,
                   int peerPatienceMs = 1000);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Becomes the running instance, or finds another one. An ordinary start
    // tells the running instance, handing on `requests`, and gives way. A new
    // instance started on purpose (a relaunch) waits for the running one to
    // finish quitting; only if it never does within `patienceMs` does it give
    // way too.
    Claim claim(bool isNewInstance, const QStringList& requests = {}, int patienceMs = 15000);

    // The process that runs the other instance, once claim() found one (0 when
    // it cannot be told).
    qint64 runningProcessId() const;
    // Why the claim failed: the lock file's path and the system's reason.
    const QString& problem() const { return problem_; }

    // What the running instance does when a later start tells it so.
    void onStartedAgain(StartedAgain handler) { startedAgain_ = std::move(handler); }

private:
    Claim granted();
    Claim failed();
    void listen();
    void acceptStarts();
    void receive(const QByteArray& line);
    void tellRunningInstance(const QStringList& requests) const;

    QStringList socketPaths_; // where to listen, in order of preference
    QString socketPath_;      // where this instance listens
    const QString lockPath_;
    QLockFile lock_;
    const int peerPatienceMs_;
    QString problem_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> listening_;
    // The connections still saying their line, as its children, oldest first.
    QObject unfinished_;
    StartedAgain startedAgain_;
};

} // namespace platform::xdg
