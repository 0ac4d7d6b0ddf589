// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Platform.h"

#include <QString>
#include <QStringList>

namespace app {

// What the command line asks of Gapsel. Besides --help and --version it
// offers the start-up gestures as options, for desktops on which the keys
// held at start cannot be read (Wayland).
struct CommandLine {
    bool showsHelp = false;
    bool showsVersion = false;
    // --support: open the support window, as Shift+Control+Alt held at start does.
    bool opensSupportWindow = false;
    // --delete-data: ask whether to delete all data, as Shift+Control+Alt+Super does.
    bool asksToDeleteData = false;
    QString helpText;
    QString versionText;
};

// Reads the arguments (program name first) without needing a display.
CommandLine parseCommandLine(const QStringList& arguments);

// Queues what the options ask for, after the kit's own start-up work.
void scheduleRequests(const CommandLine& commandLine, platform::Platform platform);

} // namespace app
