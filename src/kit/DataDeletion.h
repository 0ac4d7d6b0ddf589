// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/AppFolders.h"
#include "platform/Alerts.h"

class JXKit;
class UserDefaults;

// Starting afresh: everything the application stored is deleted, after the
// user confirmed it, and a new instance starts as on its very first launch.
namespace kit {

// Removes every key of the application's preferences domain and moves the
// application's own data and cache folders to the Trash (inside a sandbox,
// its preferences file too). Nothing else is touched. A folder that cannot
// be moved stays; nothing is reported.
void deleteAllData(UserDefaults& defaults, platform::FileManager& files, AppFolders& folders,
                   bool isSandboxed);
// The same for the application of `kit`.
void deleteAllData(const JXKit& kit);

// The question asked when the deletion gesture is held at start-up, and the
// one the support window asks. "Delete" is the first button and destroys:
// Return never presses it.
platform::Alert startupDeletionAlert(const QString& appName);
platform::Alert supportWindowDeletionAlert(const QString& appName);

// Asks with `alert`; on "Delete" deletes all data and relaunches.
void confirmDataDeletion(JXKit& kit, const platform::Alert& alert);

} // namespace kit

namespace JXApp {
// The running application's folders, made on first use.
QString applicationSupportDirectory();
QString cachesDirectory();
// kit::deleteAllData() for the running application; the caller relaunches.
void deleteAllData();
} // namespace JXApp
