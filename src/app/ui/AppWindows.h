// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/ui/SingleWindow.h"
#include "platform/Platform.h"

class JXKit;

namespace app {

// Gapsel's windows, opened through the desktop's window openers that the kit
// calls: the settings window and the About panel, each at most once, and a
// new share window each time one is asked for.
class AppWindows {
public:
    AppWindows(JXKit& kit, platform::Platform platform);
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    kit::SingleWindow& settings() { return settings_; }
    kit::SingleWindow& about() { return about_; }

private:
    kit::SingleWindow settings_;
    kit::SingleWindow about_;
};

} // namespace app
