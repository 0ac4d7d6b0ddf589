// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/ui/SingleWindow.h"
#include "platform/Platform.h"

class JXKit;

namespace app {

// Gapsel's windows: the settings window, the About panel and the support
// window, each at most once, opened through the desktop's window openers that
// the kit calls.
class AppWindows {
public:
    AppWindows(JXKit& kit, platform::Platform platform);
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    kit::SingleWindow& settings() { return settings_; }
    kit::SingleWindow& about() { return about_; }
    kit::SingleWindow& support() { return support_; }

private:
    kit::SingleWindow settings_;
    kit::SingleWindow about_;
    kit::SingleWindow support_;
};

} // namespace app
