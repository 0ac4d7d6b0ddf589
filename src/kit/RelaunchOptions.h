// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

namespace kit {

// How to relaunch the application.
struct RelaunchOptions {
    // Quit this instance at once instead of asking it to end normally.
    bool force = false;
    // If the shell cannot be started, only record the error; never tell the user.
    bool logFailureOnly = false;
    // Open the settings window in the new instance.
    bool showSettingsAfterRelaunch = false;
    // Start the new instance from a shell that waits a moment first, instead
    // of through the workspace.
    bool useShell = false;
};

} // namespace kit
