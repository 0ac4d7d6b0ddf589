// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace platform::xdg {

// Turns SIGTERM, SIGINT and SIGHUP into a call on the event loop, so that the
// application ends the ordinary way instead of dying inside whatever it was
// doing. A signal handler may do almost nothing, so it only writes a byte into
// a pipe whose other end the event loop watches. Should the program still run
// a second later (its main thread busy or blocked), a watchdog alarm ends it.
// One object per process.
class TerminationSignals {
public:
    explicit TerminationSignals(std::function<void()> onTermination);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    std::function<void()> onTermination_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace platform::xdg
