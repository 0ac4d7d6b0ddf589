// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DefaultsTestSupport.h"
#include "debug/InMemoryLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool logged(const QString& text) {
    return !debug::InMemoryLog::shared().lines().filter(text).isEmpty();
}

// None of these is read (a FIFO would block, /dev/zero never ends), nor
// replaced: the user put it there.
TEST(PreferencesFile, AHostileFileIsRefusedBeforeAnyReadAndNeverReplaced) {
    const struct {
        const char* name;
        std::function<void(const QString& path)> put;
        const char* said;
    } cases[] = {
        {"fifo", [](const QString& path) { ::mkfifo(QFile::encodeName(path), 0600); },
         "not a regular file"},
        {"device", [](const QString& path) { QFile::link(u"/dev/zero"_s, path); },
         "not a regular file"},
        {"folder", [](const QString& path) { QDir().mkpath(path); }, "a folder"},
        {"huge",
         [](const QString& path) {
             QFile file(path);
             file.open(QIODevice::WriteOnly);
             file.resize(64 * 1024 * 1024 + 1);
         },
         "larger than 64 MB"},
    };
    for (const auto& [name, put, said] : cases) {
        SCOPED_TRACE(name);
        const QString path = SuiteFile().path;
        put(path);
        const QFileInfo before(path);
        auto defaults = UserDefaults::open(u"test"_s, path);
        EXPECT_TRUE(logged(QString::fromLatin1(said)));
        EXPECT_FALSE(defaults->set(1, u"k"_s));
        const QFileInfo after(path);
        EXPECT_EQ(after.isSymLink(), before.isSymLink());
        EXPECT_EQ(after.isFile(), before.isFile());
        EXPECT_EQ(after.size(), before.size());
    }
}

TEST(PreferencesFile, ASymbolicLinkIsWrittenThroughToItsTarget) {
    const QString target = SuiteFile().path;
    const QString link = SuiteFile().path;
    UserDefaults::open(u"test"_s, target)->set(1, u"old"_s);
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(UserDefaults::open(u"test"_s, link)->set(2, u"new"_s));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    const auto stored = UserDefaults::open(u"test"_s, target)->persistentDomain();
    EXPECT_EQ(stored.value(u"old"_s).toLongLong(), 1);
    EXPECT_EQ(stored.value(u"new"_s).toLongLong(), 2);
}

TEST(PreferencesFile, AFileCorruptedWhileRunningLogsThatTheValuesInUseAreSaved) {
    const QString path = SuiteFile().path;
    auto defaults = UserDefaults::open(u"test"_s, path);
    defaults->set(1, u"kept"_s);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<plist><dict><key>");
    }
    debug::InMemoryLog::shared().clear();
    ASSERT_TRUE(defaults->set(2, u"fresh"_s));
    EXPECT_TRUE(logged(u"the values in use are saved in its place"_s));
    EXPECT_FALSE(logged(u"start empty"_s));
    EXPECT_EQ(UserDefaults::open(u"test"_s, path)->persistentDomain().size(), 2);
}

TEST(PreferencesFile, TheFolderNeverFallsBackToTheRootFolder) {
    const passwd* user = ::getpwuid(::getuid());
    const QString databaseHome = user ? QFile::decodeName(user->pw_dir) : QString();
    const QString fromDatabase = databaseHome.isEmpty() || databaseHome == QLatin1String("/")
                                     ? QString()
                                     : QDir::cleanPath(databaseHome) + u"/.config"_s;
    const struct {
        const char* config;
        const char* home;
        QString folder;
    } table[] = {
        {"/x/config", "/home/a", u"/x/config"_s},
        {"relative", "/home/a", u"/home/a/.config"_s},
        {nullptr, "/home/a/", u"/home/a/.config"_s},
        {nullptr, "/", QString()},
        {nullptr, nullptr, fromDatabase},
        {"", "", fromDatabase},
    };
    const QByteArray config = qgetenv("XDG_CONFIG_HOME"), home = qgetenv("HOME");
    const auto put = [](const char* name, const char* value) {
        value ? qputenv(name, value) : qunsetenv(name);
    };
    for (const auto& row : table) {
        put("XDG_CONFIG_HOME", row.config);
        put("HOME", row.home);
        EXPECT_EQ(UserDefaults::folder(), row.folder) << row.config << " " << row.home;
    }
    qputenv("XDG_CONFIG_HOME", config);
    qputenv("HOME", home);
}

TEST(PreferencesFile, WithoutAFolderEveryWriteFailsAndSaysWhy) {
    auto defaults = UserDefaults::open(u"test"_s, QString());
    QStringList reasons;
    defaults->onSaveFailure([&](const QString&, const QString& reason) { reasons.append(reason); });
    EXPECT_FALSE(defaults->set(1, u"k"_s));
    EXPECT_EQ(reasons, QStringList{u"there is no home folder to keep them in"_s});
}

} // namespace
