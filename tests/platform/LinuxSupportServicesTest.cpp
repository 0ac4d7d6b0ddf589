// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/LinuxDeviceFacts.h"
#include "platform/linux/XdgFileManager.h"
#include "platform/linux/XdgMail.h"
#include "platform/linux/XkbLayout.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using platform::xdg::XdgFileManager;

namespace {

TEST(XdgFileManager, TrashedFolderLandsInTheTrashEvenWithoutADataFolderYet) {
    const QString home = testing_support::freshFolder(QStringLiteral("trash"));
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/not-yet/data")).toUtf8());
    const QString doomed = home + QStringLiteral("/Gapsel");
    ASSERT_TRUE(QDir().mkpath(doomed + QStringLiteral("/inside")));

    const auto error = XdgFileManager().moveToTrash(doomed);
    qputenv("XDG_DATA_HOME", previous);

    EXPECT_FALSE(error) << error->description.toStdString();
    EXPECT_FALSE(QFileInfo::exists(doomed));
    const QString trash = home + QStringLiteral("/not-yet/data/Trash");
    EXPECT_TRUE(QFileInfo::exists(trash + QStringLiteral("/files/Gapsel/inside")));
    EXPECT_TRUE(QFileInfo::exists(trash + QStringLiteral("/info/Gapsel.trashinfo")));
    EXPECT_FALSE(QFileInfo::exists(QDir::currentPath() + QStringLiteral("/files/Gapsel")));
}

TEST(XdgFileManager, OnlyTheFilesFolderOfATrashCountsAsTrash) {
    for (const char* inside : {"/home/a/.local/share/Trash/files/Gapsel",
                               "/media/.Trash-1000/files/x", "/media/.Trash/1000/files/x"})
        EXPECT_TRUE(XdgFileManager::isInsideTrash(QString::fromUtf8(inside))) << inside;
    for (const char* outside : {"/home/a/files/Gapsel", "/home/a/Trash/info/Gapsel",
                                "/home/a/.local/share/Trash/files/a/b", "/tmp/Gapsel"})
        EXPECT_FALSE(XdgFileManager::isInsideTrash(QString::fromUtf8(outside))) << outside;
}

TEST(LinuxDeviceFacts, ProcFieldsKeyboardIdentifiersAndMailHandlers) {
    const QByteArray status = "Name:\tgapsel\nVmPeak:\t  300 kB\nVmRSS:\t   51200 kB\n";
    EXPECT_EQ(platform::xdg::procKilobytesField(status, "VmRSS"), 51200 * 1024);
    EXPECT_EQ(platform::xdg::procKilobytesField(status, "VmSwap"), std::nullopt);
    EXPECT_EQ(platform::xdg::procKilobytesField("VmRSS: many kB\n", "VmRSS"), std::nullopt);

    using platform::xdg::xkbLayoutIdentifier;
    const QString layouts = QStringLiteral("us,de");
    EXPECT_EQ(xkbLayoutIdentifier(layouts, QString(), 0), QStringLiteral("us"));
    EXPECT_EQ(xkbLayoutIdentifier(layouts, QStringLiteral(",nodeadkeys"), 1),
              QStringLiteral("de(nodeadkeys)"));
    EXPECT_EQ(xkbLayoutIdentifier(layouts, QString(), 2), std::nullopt);

    EXPECT_TRUE(platform::xdg::XdgMail::handlerTakesAttachments(
        QStringLiteral("org.mozilla.Thunderbird.desktop")));
    EXPECT_FALSE(
        platform::xdg::XdgMail::handlerTakesAttachments(QStringLiteral("org.gnome.Geary.desktop")));
    EXPECT_FALSE(platform::xdg::XdgMail::handlerTakesAttachments(QString()));
}

} // namespace
