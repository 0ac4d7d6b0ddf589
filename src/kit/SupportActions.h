// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/EmailAddress.h"
#include "platform/Alerts.h"
#include "platform/CrashReports.h"

class JXKit;

// What the support window offers, as plain operations that other windows
// (the developer debug window) use too.
namespace kit {

// Puts the debug information on the clipboard as plain text, marked as
// coming from this application.
void copyDebugInfo(const JXKit& kit);
// Hands the debug information, as "debug-info.txt", to the user's mail
// program in a message to the maker's support address.
void emailDebugInfo(const JXKit& kit);

// How to find this application's crash reports where the system keeps them
// and send them in. The first button shows their folder.
platform::Alert crashLogAlert(const QString& appName, const QString& programName,
                              const EmailAddress& address, const platform::CrashReportPlace& place);
// Shows crashLogAlert() and, when asked, the folder.
void showCrashLogInstructions(const JXKit& kit);

// Opens the feedback page and quits the application.
void openFeedbackAndQuit(JXKit& kit);

} // namespace kit

namespace JXApp {
// copyDebugInfo() for the running application.
void copyDebugInfo();
} // namespace JXApp
