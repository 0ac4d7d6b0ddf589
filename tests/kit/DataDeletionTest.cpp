// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/DataDeletion.h"
#include "KitTestSupport.h"
#include "kit/ModifierGesture.h"

#include <QDir>

#include <gtest/gtest.h>

using platform::AlertAnswer;

namespace {

class DataDeletionTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = testing_support::freshFolder(QStringLiteral("folders"));
        launches.sim.fileManager.folders = {
            {platform::UserFolder::ApplicationSupport, root + QStringLiteral("/data")},
            {platform::UserFolder::Caches, root + QStringLiteral("/cache")}};
        dataFolder = root + QStringLiteral("/data/Gapsel");
        cacheFolder = root + QStringLiteral("/cache/Gapsel");
    }

    // Asks at start-up as the application does, answering `response`.
    JXKit& launchWithDeletionGesture(int response) {
        launches.sim.modifiers.hold(kit::dataDeletionGesture | platform::ModifierKey::CapsLock);
        launches.sim.alerts.answerNext({response, false});
        kit = &launches.launch({{}, [this] {
                                    kit::confirmDataDeletion(
                                        *kit, kit::startupDeletionAlert(QStringLiteral("Gapsel")));
                                }});
        launches.suite().set(QStringLiteral("·"), QStringLiteral("tooltipShown_welcome"));
        launches.suite().set(5, QStringLiteral("JXApp_requestReview"));
        launches.sim.queue.runUntilIdle();
        return *kit;
    }

    kit_testing::Launches launches;
    JXKit* kit = nullptr;
    QString root;
    QString dataFolder;
    QString cacheFolder;
};

TEST_F(DataDeletionTest, DeleteRemovesEveryKeyTrashesBothFoldersAndRelaunches) {
    launchWithDeletionGesture(AlertAnswer::firstButtonResponse);

    ASSERT_EQ(launches.sim.alerts.shownAlerts().size(), 1);
    const platform::Alert& alert = launches.sim.alerts.shownAlerts().first();
    EXPECT_EQ(alert.message,
              QStringLiteral("Are you sure you want to delete the settings and data for Gapsel?"));
    EXPECT_EQ(alert.buttons, (QStringList{QStringLiteral("Delete"), QStringLiteral("Cancel")}));
    EXPECT_EQ(alert.destructiveButton, 0) << "so that Return does not press it";

    EXPECT_EQ(launches.sim.fileManager.trashed, (QStringList{dataFolder, cacheFolder}));
    EXPECT_TRUE(QDir(dataFolder).exists()) << "made on first use";
    EXPECT_EQ(launches.sim.workspace.launchRequests(),
              QStringList{QStringLiteral("/opt/gapsel/bin/gapsel")});
    // What is left is only the relaunch's own note to the next start.
    EXPECT_EQ(launches.suite().persistentDomain().keys(),
              QStringList{QStringLiteral("JXApp_wasRelaunched")});
    EXPECT_EQ(launches.launch().launchCount(), 1);
}

TEST_F(DataDeletionTest, CancelOrAnyOtherAnswerKeepsEverything) {
    launchWithDeletionGesture(AlertAnswer::firstButtonResponse + 1);
    EXPECT_EQ(launches.sim.alerts.shownAlerts().size(), 1);
    EXPECT_TRUE(launches.sim.fileManager.trashed.isEmpty());
    EXPECT_TRUE(launches.sim.workspace.launchRequests().isEmpty());
    EXPECT_EQ(launches.suite().object(QStringLiteral("JXApp_requestReview")), 5);
    EXPECT_EQ(launches.launch().launchCount(), 2);
}

TEST_F(DataDeletionTest, SupportWindowQuestionAndSandboxedDeletion) {
    const platform::Alert alert = kit::supportWindowDeletionAlert(QStringLiteral("Gapsel"));
    EXPECT_EQ(alert.message, QStringLiteral("Delete all data and settings for Gapsel?"));
    EXPECT_EQ(alert.buttons.first(), QStringLiteral("Delete"));
    EXPECT_EQ(alert.destructiveButton, 0);

    // Inside a sandbox its whole folder goes, two levels above the data folder.
    kit::AppFolders folders(launches.sim.fileManager, QStringLiteral("Gapsel"));
    kit::deleteAllData(launches.suite(), launches.sim.fileManager, folders, true);
    EXPECT_EQ(launches.sim.fileManager.trashed, QStringList{QFileInfo(root).canonicalFilePath()});
}

TEST_F(DataDeletionTest, FoldersFallBackToTheTemporaryFolderWhenTheDesktopNamesNone) {
    launches.sim.fileManager.folders[platform::UserFolder::Caches] = std::nullopt;
    kit::AppFolders folders(launches.sim.fileManager, QStringLiteral("Gapsel"));
    EXPECT_EQ(folders.cachesDirectory(),
              QFileInfo(QDir::tempPath()).canonicalFilePath() + QStringLiteral("/Gapsel"));
    EXPECT_EQ(folders.applicationSupportDirectory(), dataFolder);
}

} // namespace
