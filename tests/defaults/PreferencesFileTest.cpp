// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "debug/InMemoryLog.h"
#include "defaults/PropertyList.h"
#include "defaults/UserDefaults.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString freshPath() {
    return testing_support::freshFolder(QStringLiteral("file")) + QStringLiteral("/test.plist");
}

bool logged(const QString& text) {
    return !debug::InMemoryLog::shared().lines().filter(text).isEmpty();
}

// What is put where the preferences file belongs, and what the refusal says.
struct Hostile {
    const char* name;
    std::function<void(const QString& path)> put;
    const char* said;
};

class HostileFile : public testing::TestWithParam<Hostile> {};

// None of these is read (a FIFO would block, /dev/zero never ends), nor
// replaced: the user put it there.
TEST_P(HostileFile, IsRefusedBeforeAnyReadAndNeverReplaced) {
    const QString path = freshPath();
    GetParam().put(path);
    const QFileInfo before(path);
    auto defaults = UserDefaults::open(QStringLiteral("test"), path);
    EXPECT_TRUE(defaults->persistentDomain().isEmpty());
    EXPECT_TRUE(logged(QString::fromLatin1(GetParam().said)));
    EXPECT_FALSE(defaults->set(1, QStringLiteral("k")));
    const QFileInfo after(path);
    EXPECT_EQ(after.isSymLink(), before.isSymLink());
    EXPECT_EQ(after.isFile(), before.isFile());
    EXPECT_EQ(after.size(), before.size());
}

INSTANTIATE_TEST_SUITE_P(
    Store, HostileFile,
    testing::Values(
        Hostile{"Fifo", [](const QString& path) { ::mkfifo(QFile::encodeName(path), 0600); },
                "not a regular file"},
        Hostile{"Device",
                [](const QString& path) { QFile::link(QStringLiteral("/dev/zero"), path); },
                "not a regular file"},
        Hostile{"Folder", [](const QString& path) { QDir().mkpath(path); }, "a folder"},
        Hostile{"Huge",
                [](const QString& path) {
                    QFile file(path);
                    file.open(QIODevice::WriteOnly);
                    file.resize(64 * 1024 * 1024 + 1);
                },
                "larger than 64 MB"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PreferencesFile, ASymbolicLinkIsWrittenThroughToItsTarget) {
    const QString target = freshPath();
    const QString link = freshPath();
    UserDefaults::open(QStringLiteral("test"), target)->set(1, QStringLiteral("old"));
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(UserDefaults::open(QStringLiteral("test"), link)->set(2, QStringLiteral("new")));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    const auto stored = UserDefaults::open(QStringLiteral("test"), target)->persistentDomain();
    EXPECT_EQ(stored.value(QStringLiteral("old")).toLongLong(), 1);
    EXPECT_EQ(stored.value(QStringLiteral("new")).toLongLong(), 2);
}

TEST(PreferencesFile, AFileCorruptedWhileRunningLogsThatTheValuesInUseAreSaved) {
    const QString path = freshPath();
    auto defaults = UserDefaults::open(QStringLiteral("test"), path);
    defaults->set(1, QStringLiteral("kept"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<plist><dict><key>");
    }
    debug::InMemoryLog::shared().clear();
    ASSERT_TRUE(defaults->set(2, QStringLiteral("fresh")));
    EXPECT_TRUE(logged(QStringLiteral("the values in use are saved in its place")));
    EXPECT_FALSE(logged(QStringLiteral("start empty")));
    EXPECT_EQ(UserDefaults::open(QStringLiteral("test"), path)->persistentDomain().size(), 2);
}

// Sets the variables for one scope, and puts the test's own values back.
class Environment {
public:
    Environment(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [name, value] : values) {
            saved_.emplace_back(name, qgetenv(name));
            value ? qputenv(name, value) : qunsetenv(name);
        }
    }
    ~Environment() {
        for (const auto& [name, value] : saved_)
            qputenv(name, value);
    }

private:
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

TEST(PreferencesFile, TheFolderNeverFallsBackToTheRootFolder) {
    const passwd* user = ::getpwuid(::getuid());
    const QString databaseHome = user ? QFile::decodeName(user->pw_dir) : QString();
    const QString fromDatabase = databaseHome.isEmpty() || databaseHome == QLatin1String("/")
                                     ? QString()
                                     : QDir::cleanPath(databaseHome) + QStringLiteral("/.config");
    const struct {
        const char* config;
        const char* home;
        QString folder;
    } table[] = {
        {"/x/config", "/home/a", QStringLiteral("/x/config")},
        {"relative", "/home/a", QStringLiteral("/home/a/.config")},
        {nullptr, "/home/a/", QStringLiteral("/home/a/.config")},
        {nullptr, "/", QString()},
        {nullptr, nullptr, fromDatabase},
        {"", "", fromDatabase},
    };
    for (const auto& row : table) {
        const Environment environment{{"XDG_CONFIG_HOME", row.config}, {"HOME", row.home}};
        EXPECT_EQ(UserDefaults::folder(), row.folder) << row.config << " " << row.home;
    }
}

TEST(PreferencesFile, WithoutAFolderEveryWriteFailsAndSaysWhy) {
    auto defaults = UserDefaults::open(QStringLiteral("test"), QString());
    QStringList reasons;
    defaults->onSaveFailure([&](const QString&, const QString& reason) { reasons.append(reason); });
    EXPECT_FALSE(defaults->set(1, QStringLiteral("k")));
    EXPECT_EQ(reasons, QStringList{QStringLiteral("there is no home folder to keep them in")});
}

} // namespace
