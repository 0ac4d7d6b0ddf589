// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/XdgAutostart.h"
#include "platform/linux/DesktopEntry.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using platform::LoginItemStatus;
using platform::xdg::XdgAutostart;

namespace {

struct Autostart : ::testing::Test {
    QString folder = testing_support::freshFolder(u"autostart"_s);
    QString executable = folder + u"/my \"odd\" $dir\\with\\backslashes/gapsel"_s;
    // The autostart folder is the process's: each test has an entry of its own.
    QString id = QFileInfo(folder).fileName();
    XdgAutostart autostart{id, u"Gapsel"_s, executable, {}};

    void SetUp() override {
        ASSERT_TRUE(testing_support::writeFile(executable, {}));
        QFile::setPermissions(executable, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

} // namespace

TEST_F(Autostart, RegisteringWritesAnEntryTheRunKnowsAsALoginStartOrFailsInTheSystemsWords) {
    EXPECT_EQ(autostart.status(), LoginItemStatus::NotRegistered);
    ASSERT_EQ(autostart.registerApplication(), std::nullopt);
    EXPECT_EQ(autostart.status(), LoginItemStatus::Enabled);

    QFile file(autostart.entryPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto keys = platform::xdg::parseDesktopEntryMainGroup(file.readAll());
    ASSERT_TRUE(keys);
    EXPECT_EQ(keys->value(u"Type"_s), u"Application"_s);
    const auto command = platform::xdg::splitExecLine(keys->value(u"Exec"_s));
    ASSERT_TRUE(command);
    EXPECT_EQ(*command,
              (QStringList{executable, QString::fromLatin1(XdgAutostart::loginLaunchArgument)}));
    EXPECT_FALSE(autostart.wasLaunchedAtLogin());
    EXPECT_TRUE(XdgAutostart(id, u"Gapsel"_s, executable, *command).wasLaunchedAtLogin())
        << "a run the entry started knows it";

    ASSERT_EQ(autostart.unregisterApplication(), std::nullopt);
    EXPECT_FALSE(QFile::exists(autostart.entryPath()));
    EXPECT_EQ(autostart.unregisterApplication(), std::nullopt)
        << "nothing to remove is not a failure";

    // The entry's path is taken by a folder, which even root cannot replace with a file.
    QDir().mkpath(autostart.entryPath() + u"/blocker"_s);
    const auto failure = autostart.registerApplication();
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->description.contains(autostart.entryPath()))
        << failure->description.toStdString();
    EXPECT_NE(autostart.status(), LoginItemStatus::Enabled);
}

TEST_F(Autostart, ReadsTheEntryFoundAtItsPathAndReplacesOneItCannotRead) {
    const QByteArray exec = "Exec=" + platform::xdg::quoteExecArgument(executable).toUtf8() + "\n";
    const std::pair<QByteArray, LoginItemStatus> cases[] = {
        {"[Desktop Entry]\nType=Application\n" + exec + "Hidden=true\n",
         LoginItemStatus::RequiresApproval},
        {"[Desktop Entry]\n" + exec + "X-GNOME-Autostart-enabled=false\n",
         LoginItemStatus::RequiresApproval},
        {"[Desktop Entry]\nExec=/nonexistent/gapsel --launched-at-login\n",
         LoginItemStatus::NotFound},
        {QByteArray("\x00\xff garbage"), LoginItemStatus::NotRegistered},
        {"[Desktop Entry\nExec=x", LoginItemStatus::NotRegistered},
        {"[Desktop Entry]\nExec=\"unclosed\n", LoginItemStatus::NotRegistered},
        {"[Other]\nExec=x\n", LoginItemStatus::NotRegistered},
    };
    for (const auto& [entry, status] : cases) {
        SCOPED_TRACE(entry.constData());
        ASSERT_TRUE(testing_support::writeFile(autostart.entryPath(), entry));
        EXPECT_EQ(autostart.status(), status);
    }
    ASSERT_EQ(autostart.registerApplication(), std::nullopt);
    EXPECT_EQ(autostart.status(), LoginItemStatus::Enabled);
}

TEST(DesktopEntryCommand, QuotingAndSplittingAreInverse) {
    const QStringList arguments = {u"/plain/path"_s, u"with space"_s, u"q\"uote"_s,
                                   u"$HOME`x`\\"_s,  u"100%"_s,       QString()};
    QStringList quoted;
    for (const QString& argument : arguments)
        quoted << platform::xdg::quoteExecArgument(argument);
    EXPECT_EQ(quoted[0], u"/plain/path"_s);
    EXPECT_EQ(quoted[4], u"100%%"_s);
    EXPECT_EQ(platform::xdg::splitExecLine(quoted.join(QLatin1Char(' '))), arguments);
}
