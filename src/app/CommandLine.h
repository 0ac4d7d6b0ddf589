// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Platform.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class JXKit;

namespace app {

// An option Gapsel understands, besides --help and --version.
struct CommandLineOption {
    const char* name; // without the leading "--"
    const char* description;
    // Handed on to the Gapsel already running, when there is one.
    bool forwarded = false;
};

// Every option, in the order --help lists them. A feature that adds an option
// adds one line here.
inline constexpr CommandLineOption commandLineOptions[] = {
    {"new-instance", "Start even while another Gapsel is still quitting (used to relaunch)."},
    {"launched-at-login", "Mark this start as made at login (used by the autostart entry)."},
    {"debug", "Start in debug mode, as if Shift and Control were held."},
    {"support", "Open the support window (as holding Shift+Control+Alt at start does).", true},
    {"delete-data",
     "Ask whether to delete all of Gapsel's data and settings, then start "
     "afresh (as holding Shift+Control+Alt+Super at start does).",
     true},
};

// What the command line asks for. It is read before anything connects to a
// display or a bus, so that --help and --version work anywhere.
struct CommandLine {
    // Set when Gapsel is to print and leave instead of running.
    struct Exit {
        int code = 0;
        QString standardOutput;
        QString standardError;
    };
    std::optional<Exit> exit;
    // The options given, named as in commandLineOptions.
    QSet<QString> options;
    // The values of Qt's own options given (-platform, -display...), by name.
    QHash<QString, QString> qtOptionValues;

    bool has(const char* option) const { return options.contains(QString::fromLatin1(option)); }

    // The options given that the Gapsel already running is to act on.
    QStringList forwardedOptions() const;

    // `arguments` as main() receives them, the program's name first. Qt's own
    // options (-style, -platform, ...) are accepted and left for Qt.
    static CommandLine parse(const QStringList& arguments);
    // The options a later start handed on; names that are not forwarded
    // options are left out.
    static CommandLine fromForwarded(const QStringList& names);
};

// Queues what the options ask for (--support, --delete-data), after the
// kit's own start-up work.
void scheduleRequests(const CommandLine& commandLine, JXKit& kit);

} // namespace app
