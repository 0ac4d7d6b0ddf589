// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/ui/SingleWindow.h"
#include "platform/Platform.h"

class AppMain;

namespace app {

// Gapsel's windows, opened through the openers that the kit and the menus
// call: the settings window, the About panel, the debug window and the
// support window, each at most once, and a new share window each time one is
// asked for.
class AppWindows {
public:
    AppWindows(AppMain& app, platform::Platform platform);
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    kit::SingleWindow& settings() { return settings_; }
    kit::SingleWindow& about() { return about_; }
    kit::SingleWindow& debug() { return debug_; }
    kit::SingleWindow& support() { return support_; }

private:
    kit::SingleWindow settings_;
    kit::SingleWindow about_;
    kit::SingleWindow debug_;
    kit::SingleWindow support_;
};

} // namespace app
