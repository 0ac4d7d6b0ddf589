// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/DataDeletion.h"
#include "KitTestSupport.h"
#include "kit/ModifierGesture.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using platform::AlertAnswer;

namespace {

class DataDeletionTest : public ::testing::Test {
protected:
    void SetUp() override {
        launches.sim.fileManager.folders = {
            {platform::UserFolder::ApplicationSupport, root + u"/data"_s},
            {platform::UserFolder::Caches, root + u"/cache"_s}};
    }

    void launchWithDeletionGesture(int response) {
        launches.sim.modifiers.hold(kit::dataDeletionGesture | platform::ModifierKey::CapsLock);
        launches.sim.alerts.answerNext({response, false});
        kit = &launches.launch({{}, [](JXKit& launched) {
                                    kit::confirmDataDeletion(
                                        launched, kit::startupDeletionAlert(u"Gapsel"_s));
                                }});
        launches.suite()->set(u"·"_s, u"tooltipShown_welcome"_s);
        launches.suite()->set(5, u"JXApp_requestReview"_s);
        launches.sim.queue.runUntilIdle();
    }

    kit_testing::Launches launches;
    JXKit* kit = nullptr;
    const QString root = testing_support::freshFolder(u"folders"_s);
};

// Trashing both folders is followed into the real trash by the end-to-end tests.
TEST_F(DataDeletionTest, CancelKeepsEverythingAndDeleteRemovesEveryKeyTrashesBothAndRelaunches) {
    launchWithDeletionGesture(AlertAnswer::firstButtonResponse + 1);
    EXPECT_EQ(launches.sim.alerts.shownAlerts().size(), 1);
    EXPECT_TRUE(launches.sim.fileManager.trashed.isEmpty());
    EXPECT_TRUE(launches.sim.workspace.launchRequests().isEmpty());
    EXPECT_EQ(launches.suite()->object(u"JXApp_requestReview"_s), 5);

    launchWithDeletionGesture(AlertAnswer::firstButtonResponse);
    ASSERT_EQ(launches.sim.alerts.shownAlerts().size(), 2);
    const platform::Alert& alert = launches.sim.alerts.shownAlerts().first();
    EXPECT_EQ(alert.message,
              u"Are you sure you want to delete the settings and data for Gapsel?"_s);
    EXPECT_EQ(alert.buttons, (QStringList{u"Delete"_s, u"Cancel"_s}));
    EXPECT_EQ(alert.destructiveButton, 0) << "so that Return does not press it";

    EXPECT_EQ(launches.sim.fileManager.trashed,
              (QStringList{root + u"/data/Gapsel"_s, root + u"/cache/Gapsel"_s}));
    // What is left is only the relaunch's own note to the next start.
    EXPECT_EQ(launches.suite()->persistentDomain().keys(), QStringList{u"JXApp_wasRelaunched"_s});
}

// Whatever the sandbox is, nothing above the application's own folders goes
// (those may hold other programs' data, or the Trash itself; outside one, the
// gesture's deletion above proves it).
TEST_F(DataDeletionTest, OnlyTheApplicationsOwnFoldersGoAndInASandboxItsPreferencesFile) {
    EXPECT_EQ(kit::supportWindowDeletionAlert(u"Gapsel"_s).destructiveButton, 0);
    ASSERT_TRUE(launches.suite()->set(1, u"kept"_s));
    kit::AppFolders folders(launches.sim.fileManager, u"Gapsel"_s);
    kit::deleteAllData(*launches.suite(), launches.sim.fileManager, folders, true);
    EXPECT_EQ(launches.sim.fileManager.trashed,
              (QStringList{root + u"/data/Gapsel"_s, root + u"/cache/Gapsel"_s,
                           launches.suite()->filePath()}));

    // Where the desktop names no folder, the temporary folder stands in.
    launches.sim.fileManager.folders[platform::UserFolder::Caches] = std::nullopt;
    kit::AppFolders tempCaches(launches.sim.fileManager, u"Gapsel"_s);
    EXPECT_EQ(tempCaches.cachesDirectory(),
              QFileInfo(QDir::tempPath()).canonicalFilePath() + u"/Gapsel"_s);
    EXPECT_EQ(tempCaches.applicationSupportDirectory(), root + u"/data/Gapsel"_s);
}

} // namespace
