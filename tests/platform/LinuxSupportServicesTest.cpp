// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/LinuxDeviceFacts.h"
#include "platform/linux/SandboxFacts.h"
#include "platform/linux/XdgFileManager.h"
#include "platform/linux/XdgMail.h"
#include "platform/linux/XkbLayout.h"
#include "support/TestEnvironment.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace platform::xdg;

namespace {

// A Flatpak deployment as the sandbox describes it, from the remote `origin`.
QString flatpakRoot(const QByteArray& origin) {
    const QString root = testing_support::freshFolder(u"sandbox"_s);
    const QByteArray deployment = "/var/lib/flatpak/app/com.gapsel.Gapsel/x86_64/stable/0123abcd";
    const QByteArray info = "[Application]\nname=com.gapsel.Gapsel\n\n[Instance]\napp-path=";
    EXPECT_TRUE(
        testing_support::writeFile(root + u"/.flatpak-info"_s, info + deployment + "/files\n"));
    EXPECT_TRUE(testing_support::writeFile(root + QString::fromLatin1(deployment) + u"/deploy"_s,
                                           origin + QByteArray("\0\0\x01rest", 7)));
    return root;
}

TEST(SandboxFacts, FlatpakAndSnapAreSandboxesAndOnlyFlathubCountsAsTheStore) {
    const QString plain = testing_support::freshFolder(u"plain"_s);
    const struct {
        QString root;
        const char* variable;
        bool sandboxed;
        bool fromStore;
    } cases[] = {
        {plain, "", false, false},
        {plain, "SNAP", true, false},
        {plain, "FLATPAK_ID", true, false},
        {flatpakRoot("flathub"), "", true, true},
        {flatpakRoot("flathub-beta"), "", true, false},
    };
    for (const auto& [root, variable, sandboxed, fromStore] : cases) {
        QProcessEnvironment environment;
        if (*variable)
            environment.insert(QString::fromLatin1(variable), u"1"_s);
        const auto facts = readSandboxFacts(root, environment);
        EXPECT_EQ(facts.isSandboxed, sandboxed) << root.toStdString() << " " << variable;
        EXPECT_EQ(facts.isInstalledFromStore, fromStore) << root.toStdString() << " " << variable;
    }
}

TEST(XdgFileManager, TrashedFolderLandsInTheTrashEvenWithoutADataFolderYet) {
    const QString home = testing_support::freshFolder(u"trash"_s);
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", (home + u"/not-yet/data"_s).toUtf8());
    const QString doomed = home + u"/Gapsel"_s;
    ASSERT_TRUE(QDir().mkpath(doomed + u"/inside"_s));

    const auto error = XdgFileManager().moveToTrash(doomed);
    qputenv("XDG_DATA_HOME", previous);

    EXPECT_FALSE(error) << error->description.toStdString();
    const QString trash = home + u"/not-yet/data/Trash"_s;
    EXPECT_TRUE(QFileInfo::exists(trash + u"/files/Gapsel/inside"_s));
    EXPECT_TRUE(QFileInfo::exists(trash + u"/info/Gapsel.trashinfo"_s));
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
    EXPECT_EQ(procKilobytesField(status, "VmRSS"), 51200 * 1024);
    EXPECT_EQ(procKilobytesField(status, "VmSwap"), std::nullopt);
    EXPECT_EQ(procKilobytesField("VmRSS: many kB\n", "VmRSS"), std::nullopt);

    const QString layouts = u"us,de"_s;
    EXPECT_EQ(xkbLayoutIdentifier(layouts, QString(), 0), u"us"_s);
    EXPECT_EQ(xkbLayoutIdentifier(layouts, u",nodeadkeys"_s, 1), u"de(nodeadkeys)"_s);
    EXPECT_EQ(xkbLayoutIdentifier(layouts, QString(), 2), std::nullopt);

    for (const auto& [handler, takes] : {std::pair{"org.mozilla.Thunderbird.desktop", true},
                                         {"org.gnome.Geary.desktop", false},
                                         {"", false}})
        EXPECT_EQ(XdgMail::handlerTakesAttachments(QString::fromLatin1(handler)), takes) << handler;
}

} // namespace
