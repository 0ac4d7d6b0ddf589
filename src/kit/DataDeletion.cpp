// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/DataDeletion.h"

#include "defaults/UserDefaults.h"
#include "kit/JXKit.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kit {

void deleteAllData(UserDefaults& defaults, platform::FileManager& files, AppFolders& folders,
                   bool isSandboxed) {
    const QStringList keys = defaults.dictionaryRepresentation().keys();
    for (const QString& key : keys)
        defaults.removeObject(key);
    // Only what the application made itself goes: the folders above its own
    // may belong to other programs (a sandbox's folder also holds the Trash
    // the folders are moved into).
    files.moveToTrash(folders.applicationSupportDirectory());
    files.moveToTrash(folders.cachesDirectory());
    // Inside a sandbox nobody else reads the emptied preferences file either.
    if (isSandboxed && QFileInfo::exists(defaults.filePath()))
        files.moveToTrash(defaults.filePath());
}

void deleteAllData(const JXKit& kit) {
    AppFolders folders(kit.platform().fileManager, kit.identity().name());
    deleteAllData(*kit.defaults(), kit.platform().fileManager, folders,
                  kit.identity().isSandboxed());
}

namespace {

platform::Alert deletionAlert(const QString& message) {
    platform::Alert alert;
    alert.message = message;
    alert.buttons = {QCoreApplication::translate("DataDeletion", "Delete"),
                     QCoreApplication::translate("DataDeletion", "Cancel")};
    alert.destructiveButton = 0;
    return alert;
}

} // namespace

platform::Alert startupDeletionAlert(const QString& appName) {
    return deletionAlert(
        QCoreApplication::translate("DataDeletion",
                                    "Are you sure you want to delete the settings and data for %1?")
            .arg(appName));
}

platform::Alert supportWindowDeletionAlert(const QString& appName) {
    return deletionAlert(
        QCoreApplication::translate("DataDeletion", "Delete all data and settings for %1?")
            .arg(appName));
}

void confirmDataDeletion(JXKit& kit, const platform::Alert& alert) {
    if (kit.platform().alerts.run(alert).buttonIndex() != 0)
        return;
    deleteAllData(kit);
    kit.relaunch();
}

} // namespace kit

namespace JXApp {

namespace {
// The running kit's folders, asked anew each time: the kit may have been
// replaced since the last call (a test making a second one).
kit::AppFolders folders() {
    const JXKit& kit = JXKit::shared();
    return {kit.platform().fileManager, kit.identity().name()};
}
} // namespace

QString applicationSupportDirectory() {
    return folders().applicationSupportDirectory();
}
QString cachesDirectory() {
    return folders().cachesDirectory();
}
void deleteAllData() {
    kit::deleteAllData(JXKit::shared());
}

} // namespace JXApp
