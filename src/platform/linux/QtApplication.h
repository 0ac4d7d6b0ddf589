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

// Introduces the application to the desktop by its id: on Wayland every
// window carries the desktop entry's id, so docks and task bars group the
// windows under the entry. (No display name: Qt would append it to every
// window title, and ours already name Gapsel.)
void introduceToDesktop(const BundleInfo& bundle);

} // namespace platform::xdg
