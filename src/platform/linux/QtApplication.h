// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Application.h"
#include "platform/BundleInfo.h"

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

// Introduces the application to the desktop by its name and id: window and
// message box titles say "Gapsel", not the executable's name, and on Wayland
// every window carries the desktop entry's id, so docks and task bars group
// the windows under the entry.
void introduceToDesktop(const BundleInfo& bundle);

} // namespace platform::xdg
