// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QStringList>

#include <functional>

namespace platform {

// The running application as the desktop sees it: how it was started and how
// it ends.
class Application {
public:
    virtual ~Application() = default;

    // Calls `handler` once, when the application has finished launching and its
    // event loop runs.
    virtual void whenFinishedLaunching(std::function<void()> handler) = 0;
    // The command line this process was started with, program name first.
    virtual QStringList launchArguments() const = 0;
    // Asks the application to end normally, after the current event.
    virtual void terminate() = 0;
    // Ends the process at once with status 0.
    virtual void exitNow() = 0;
};

} // namespace platform
