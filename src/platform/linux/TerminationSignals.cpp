// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/TerminationSignals.h"

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace platform::xdg {

namespace {

int signalPipe[2] = {-1, -1};
constexpr int handledSignals[] = {SIGTERM, SIGINT, SIGHUP};
volatile std::sig_atomic_t receivedSignal = 0;

// The watchdog: the event loop did not end the program within a second of the
// signal (it is busy, or blocked), so end it here. Every change is on disk
// before the call that makes it returns, so nothing consistent is lost.
void endNow(int) {
    ::_exit(128 + static_cast<int>(receivedSignal));
}

// Runs inside the signal: it must neither block (a full pipe already says
// enough) nor disturb errno for the code it interrupted.
void writeToPipe(int number) {
    const int savedErrno = errno;
    if (receivedSignal == 0) {
        receivedSignal = number;
        ::alarm(1);
    }
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> onTermination)
    : onTermination_(std::move(onTermination)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        qFatal("Gapsel/JXKit: cannot create the signal pipe");
    notifier_ = std::make_unique<QSocketNotifier>(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
        char byte = 0;
        [[maybe_unused]] const auto received = ::read(signalPipe[1], &byte, 1);
        onTermination_();
    });
    struct sigaction action = {};
    action.sa_handler = writeToPipe;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : handledSignals)
        ::sigaction(number, &action, nullptr);
    struct sigaction watchdog = {};
    watchdog.sa_handler = endNow;
    sigemptyset(&watchdog.sa_mask);
    ::sigaction(SIGALRM, &watchdog, nullptr);
}

TerminationSignals::~TerminationSignals() {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (int number : handledSignals)
        ::sigaction(number, &action, nullptr);
    // A watchdog already armed keeps watching the rest of the way out.
    if (receivedSignal == 0)
        ::sigaction(SIGALRM, &action, nullptr);
    notifier_.reset();
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

} // namespace platform::xdg
