// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Application.h"

namespace platform::xdg {

// The running QApplication. It has finished launching once its event loop
// turns for the first time.
class QtApplication final : public Application {
public:
    void whenFinishedLaunching(std::function<void()> handler) override;
    QStringList launchArguments() const override;
    void terminate() override;
    void exitNow() override;
};

} // namespace platform::xdg
