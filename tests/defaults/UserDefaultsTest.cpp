// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DefaultsTestSupport.h"
#include "debug/InMemoryLog.h"
#include "defaults/PropertyList.h"
#include "platform/sim/SimMainQueue.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPoint>
#include <QProcess>

#include <gtest/gtest.h>

#include <functional>
#include <pwd.h>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool logged(const QString& text) {
    return !testing_support::log().lines().filter(text).isEmpty();
}

struct Store : testing::Test {
    SuiteFile suite;
    std::shared_ptr<UserDefaults> defaults = suite.open();
};

} // namespace

TEST_F(Store, EveryPropertyListKindComesBackExactlyAndAnyOtherIsRefused) {
    for (const auto& [name, value] : samples::everyKind())
        ASSERT_TRUE(defaults->set(value, QString::fromUtf8(name))) << name;
    const QVariantMap stored = suite.open()->persistentDomain();
    for (const auto& [name, value] : samples::everyKind()) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Defaults::identicalValues(defaults->object(QString::fromUtf8(name)), value));
        EXPECT_TRUE(Defaults::identicalValues(stored.value(QString::fromUtf8(name)), value));
    }
    EXPECT_FALSE(defaults->boolean(u"minus one"_s)) << "an integer is not a Boolean";
    EXPECT_EQ(defaults->string(u"minus one"_s), std::nullopt);

    const QByteArray before = fileBytes(suite.path);
    EXPECT_FALSE(defaults->set(QVariantList{QVariant::fromValue(QPoint())}, u"list"_s));
    EXPECT_FALSE(defaults->object(u"list"_s).isValid());
    EXPECT_EQ(fileBytes(suite.path), before);
}

// Also one larger than Gapsel reads: the user's values may be in it.
TEST(UserDefaults, ACorruptOrOversizedFileIsKeptAsideReportedAndNeverOverwritten) {
    const qint64 oversized = Defaults::PreferencesFile::maximumSize + 1;
    for (const QByteArray& contents :
         {QByteArray("<?xml version=\"1.0\"?><plist><dict><key>a</key>"), QByteArray()}) {
        SuiteFile suite;
        ASSERT_TRUE(putFile(suite.path, contents));
        if (contents.isEmpty()) {
            ASSERT_TRUE(QFile::resize(suite.path, oversized));
        }
        auto defaults = suite.open();
        EXPECT_TRUE(defaults->persistentDomain().isEmpty());
        const QStringList aside =
            QDir(suite.folder).entryList({u"test.plist.corrupt-*"_s}, QDir::Files);
        ASSERT_EQ(aside.size(), 1);
        EXPECT_TRUE(logged(u"it was kept as %1/%2"_s.arg(suite.folder, aside.first())));
        defaults->set(1, u"fresh"_s);
        const QString kept = suite.folder + QLatin1Char('/') + aside.first();
        EXPECT_EQ(QFileInfo(kept).size(), contents.isEmpty() ? oversized : contents.size());
        EXPECT_EQ(suite.open()->object(u"fresh"_s).toLongLong(), 1);
    }
}

// The store never makes a file that it could not read back.
TEST_F(Store, AWriteThatWouldOutgrowTheReadLimitOrHasNoFolderFailsAndSaysWhy) {
    defaults->set(1, u"kept"_s);
    QStringList reasons;
    defaults->onSaveFailure([&](const QString&, const QString& reason) { reasons.append(reason); });
    // Base64 makes a third more of it.
    const QByteArray large(Defaults::PreferencesFile::maximumSize / 4 * 3, 'x');
    EXPECT_FALSE(defaults->set(large, u"large"_s));
    ASSERT_EQ(reasons.size(), 1);
    EXPECT_TRUE(reasons.first().contains(u"Gapsel reads at most 64 MB"_s))
        << reasons.first().toStdString();
    EXPECT_EQ(suite.open()->persistentDomain(), (QVariantMap{{u"kept"_s, qint64(1)}}));

    const auto homeless = UserDefaults::open(u"test"_s, QString());
    homeless->onSaveFailure([&](const QString&, const QString& reason) { reasons.append(reason); });
    EXPECT_FALSE(homeless->set(1, u"k"_s));
    EXPECT_EQ(reasons.last(), u"there is no home folder to keep them in"_s);
}

// A file corrupted, or swapped for a device or a pipe, while running: the
// values in use stand and reach a regular file in its place. The corrupt one
// is kept aside and they are saved at once (the next read would find no
// file); the others are never read, nor written through, and are replaced
// only with the next change.
TEST(UserDefaults, AFileSpoiledWhileRunningKeepsTheValuesInUse) {
    const struct {
        std::function<void(const QString&)> spoil;
        const char* said;
        bool savedAtOnce;
    } cases[] = {
        {[](const QString& path) { putFile(path, "<plist><dict><key>"); },
         "the values in use are saved in its place", true},
        {[](const QString& path) { ::mkfifo(QFile::encodeName(path), 0600); },
         "not a regular file (a pipe, socket or device); keeping the values in use", false},
        // A link to a pipe beside it: a link to a real device would be
        // replaced through, were the write to follow it.
        {[](const QString& path) {
             ::mkfifo(QFile::encodeName(path + u".pipe"_s), 0600);
             QFile::link(path + u".pipe"_s, path);
         },
         "keeping the values", false},
    };
    for (const auto& [spoil, said, savedAtOnce] : cases) {
        SCOPED_TRACE(said);
        SuiteFile suite;
        auto defaults = suite.open();
        defaults->set(1, u"a"_s);
        defaults->set(2, u"b"_s);
        QFile::remove(suite.path);
        spoil(suite.path);
        testing_support::log().clear();
        defaults->synchronize();
        EXPECT_EQ(defaults->object(u"a"_s), QVariant(qint64(1)));
        EXPECT_TRUE(defaults->set(2, u"b"_s));
        EXPECT_EQ(QFileInfo(suite.path).isFile(), savedAtOnce);
        EXPECT_TRUE(defaults->set(3, u"c"_s));
        EXPECT_TRUE(logged(QString::fromLatin1(said)));
        EXPECT_TRUE(QFileInfo(suite.path).isFile() && !QFileInfo(suite.path).isSymLink());
        EXPECT_EQ(suite.open()->persistentDomain(),
                  (QVariantMap{{u"a"_s, qint64(1)}, {u"b"_s, qint64(2)}, {u"c"_s, qint64(3)}}));
    }
}

// Another writer changes or deletes a key; this process comes to see it when it
// synchronises or during a write of its own, with the key's default or without.
// Neither writer loses what the other wrote.
TEST(UserDefaults, TwoWritersOnOneFileLoseNothingAndTellTheOthersChanges) {
    for (const bool duringOurWrite : {false, true}) {
        for (const QVariant& theirs : {QVariant(), QVariant(u"theirs"_s)}) {
            for (const QVariant& registered : {QVariant(), QVariant(u"default"_s)}) {
                SCOPED_TRACE(duringOurWrite ? "during our write" : "synchronize");
                SCOPED_TRACE(theirs.isValid() ? "changed" : "deleted");
                SCOPED_TRACE(registered.isValid() ? "with default" : "without default");
                SuiteFile suite;
                auto ourSuite = suite.open();
                auto theirSuite = suite.open();
                if (registered.isValid())
                    ourSuite->registerDefaults({{u"k"_s, registered}});
                ourSuite->set(1, u"mine"_s);
                ourSuite->set(u"stored"_s, u"k"_s);
                std::vector<UserDefaults::Change> told;
                ourSuite->addObserver(u"k"_s, 0,
                                      [&](const auto& change) { told.push_back(change); });

                theirSuite->set(theirs, u"k"_s); // setting nothing removes the entry
                if (duringOurWrite)
                    ourSuite->set(true, u"other"_s);
                else
                    ourSuite->synchronize();

                const QVariant now = theirs.isValid() ? theirs : registered;
                ASSERT_EQ(told.size(), 1u);
                EXPECT_EQ(told[0].oldValue, QVariant(u"stored"_s));
                EXPECT_EQ(told[0].newValue, now);
                EXPECT_EQ(ourSuite->object(u"k"_s), now);
                const QVariantMap stored = suite.open()->persistentDomain();
                EXPECT_EQ(stored.value(u"mine"_s), QVariant(qint64(1)));
                EXPECT_EQ(stored.value(u"k"_s), theirs);
                EXPECT_EQ(stored.contains(u"other"_s), duringOurWrite);
            }
        }
    }
}

TEST_F(Store, ObserversMayWriteAndUnsubscribeInTheirCallbackAndManyThreadsWriteAtOnce) {
    UserDefaults::ObserverId id = 0;
    int calls = 0;
    id = defaults->addObserver(u"k"_s, 0, [&](const UserDefaults::Change&) {
        ++calls;
        defaults->removeObserver(id);
        defaults->set(true, u"written-from-observer"_s);
    });
    defaults->set(1, u"k"_s);
    defaults->set(2, u"k"_s);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(defaults->boolean(u"written-from-observer"_s));

    std::atomic<int> notified{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        const QString key = u"key%1"_s.arg(t);
        defaults->addObserver(key, 0, [&](const auto&) { ++notified; });
        threads.emplace_back([&, key] {
            for (int i = 0; i < 25; ++i)
                defaults->set(i, key);
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(notified.load(), 100);
    auto fresh = suite.open();
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(fresh->object(u"key%1"_s.arg(t)).toLongLong(), 24);
}

struct Watched : Store {
    platform::sim::SimMainQueue queue;
    std::vector<UserDefaults::Change> told;
    void SetUp() override {
        defaults->watchForExternalChanges(queue);
        defaults->addObserver(u"k"_s, 0, [this](const auto& change) { told.push_back(change); });
    }
};

TEST_F(Watched, ChangesByAnotherProcessReachObserversOnTheMainQueueAndNeverLate) {
    defaults->set(u"mine"_s, u"k"_s);
    queue.runUntilIdle();
    // The lock and a save's temporary file beside the file are no change of it.
    ASSERT_TRUE(putFile(suite.path + u".lock"_s, "x"));
    ASSERT_TRUE(putFile(suite.path + u".a1B2c3"_s, "x"));
    QFile::remove(suite.path + u".a1B2c3"_s);
    QProcess child;
    child.start(QStringLiteral(DEFAULTS_CHILD), {u"set"_s, suite.path, u"k"_s, u"theirs"_s});
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(told.size(), 1u) << "nothing arrives outside the main queue";
    ASSERT_TRUE(testing_support::processEventsUntil([&] { return queue.pendingCount() > 0; }));
    EXPECT_EQ(queue.pendingCount(), 1) << "one change of the file, one notice";
    queue.runUntilIdle();
    ASSERT_EQ(told.size(), 2u) << "our own write is not delivered a second time";
    EXPECT_EQ(told[1].oldValue, QVariant(u"mine"_s));
    EXPECT_EQ(told[1].newValue, QVariant(u"theirs"_s));
    EXPECT_EQ(defaults->string(u"k"_s), u"theirs"_s);

    suite.open()->set(true, u"k"_s); // another writer
    defaults->set(false, u"k"_s);    // ours, before the main queue ran
    queue.runUntilIdle();
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back().newValue, QVariant(false));
    EXPECT_EQ(defaults->object(u"k"_s), QVariant(false));
}

TEST(UserDefaults, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
    SuiteFile suite;
    std::mt19937 random(20261206);
    for (int round = 0; round < 200; ++round) {
        QProcess child;
        child.start(QStringLiteral(DEFAULTS_CHILD), {u"count"_s, suite.path, u"n"_s});
        ASSERT_TRUE(child.waitForStarted());
        const int writesBeforeKill = std::uniform_int_distribution<int>(1, 8)(random);
        qint64 lastReported = 0;
        while (lastReported < writesBeforeKill) {
            ASSERT_TRUE(child.waitForReadyRead(30000));
            while (child.canReadLine())
                lastReported = child.readLine().trimmed().toLongLong();
        }
        child.kill();
        child.waitForFinished();
        while (child.canReadLine())
            lastReported = child.readLine().trimmed().toLongLong();

        QString error;
        const auto contents = Defaults::parsePropertyList(fileBytes(suite.path), &error);
        ASSERT_TRUE(contents) << "round " << round << ": " << error.toStdString();
        const qint64 stored = contents->value(u"n"_s).toLongLong();
        EXPECT_TRUE(stored == lastReported || stored == lastReported + 1)
            << "round " << round << ": stored " << stored << ", last reported " << lastReported;
        // The next child counts on from one again.
        QFile::remove(suite.path);
    }
    // What the killed writers left half-written is cleared by the next one to
    // open the file; one left as a named temporary file too.
    ASSERT_TRUE(putFile(suite.path + u".a1B2c3"_s, "<?xml"));
    suite.open();
    EXPECT_EQ(QDir(suite.folder).entryList(QDir::Files | QDir::Hidden),
              QStringList({u"test.plist.lock"_s}));
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

// A symbolic link is written through to its target. An editor that rewrites
// the file where it lies, behind a link into another folder: only a watch on
// the file itself, through the link, sees it.
TEST(PreferencesFile, ALinkIsWrittenThroughToItsTargetAndAnEditInPlaceBehindItReachesObservers) {
    const SuiteFile target, link;
    target.open()->set(1, u"old"_s);
    ASSERT_TRUE(QFile::link(target.path, link.path));
    const auto defaults = link.open();
    ASSERT_TRUE(defaults->set(2, u"new"_s));
    EXPECT_TRUE(QFileInfo(link.path).isSymLink());
    EXPECT_EQ(target.open()->persistentDomain(),
              (QVariantMap{{u"old"_s, qint64(1)}, {u"new"_s, qint64(2)}}));

    platform::sim::SimMainQueue queue;
    defaults->watchForExternalChanges(queue);
    QVariant told;
    defaults->addObserver(u"k"_s, 0, [&](const auto& change) { told = change.newValue; });
    QFile file(target.path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(Defaults::propertyListXml({{u"k"_s, u"theirs"_s}}));
    file.close();
    EXPECT_TRUE(testing_support::processEventsUntil([&] {
        queue.runUntilIdle();
        return told == QVariant(u"theirs"_s);
    }));
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
