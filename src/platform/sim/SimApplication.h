// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Application.h"

#include <vector>

namespace platform::sim {

// The application's life driven by a test: it finishes launching when the test
// says so, and asking it to end only counts the request.
class SimApplication final : public Application {
public:
    void whenFinishedLaunching(std::function<void()> handler) override;
    QStringList launchArguments() const override { return arguments_; }
    void terminate() override { ++terminateRequests_; }
    void exitNow() override { ++exitRequests_; }

    void setLaunchArguments(QStringList arguments) { arguments_ = std::move(arguments); }
    // Delivers the did-finish-launching event to everyone waiting for it.
    void finishLaunching();

    int terminateRequests() const { return terminateRequests_; }
    int exitRequests() const { return exitRequests_; }

private:
    QStringList arguments_{QStringLiteral("gapsel")};
    std::vector<std::function<void()>> waiting_;
    int terminateRequests_ = 0;
    int exitRequests_ = 0;
};

} // namespace platform::sim
