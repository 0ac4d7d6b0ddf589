// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/UserDefaults.h"
#include "defaults/PropertyList.h"
#include "platform/sim/SimMainQueue.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <thread>
#include <unistd.h>

using testing_support::freshFolder;

namespace {

struct Suite {
    QString folder = freshFolder(QStringLiteral("suite"));
    QString path = folder + QStringLiteral("/test.plist");
    std::shared_ptr<UserDefaults> open() const {
        return UserDefaults::open(QStringLiteral("test"), path);
    }
};

QString runChild(const QStringList& arguments) {
    QProcess child;
    child.start(QStringLiteral(DEFAULTS_CHILD), arguments);
    EXPECT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().constData();
    return QString::fromUtf8(child.readAllStandardOutput());
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(UserDefaults, EveryValueKindComesBackExactlyInAnotherProcess) {
    Suite suite;
    auto defaults = suite.open();
    const QDateTime date(QDate(2026, 12, 6), QTime(18, 11, 37), Qt::UTC);
    ASSERT_TRUE(defaults->set(QStringLiteral("tab\t<&> — \u2028"), QStringLiteral("string")));
    ASSERT_TRUE(defaults->set(true, QStringLiteral("true")));
    ASSERT_TRUE(defaults->set(false, QStringLiteral("false")));
    ASSERT_TRUE(defaults->set(std::numeric_limits<qint64>::min(), QStringLiteral("int")));
    ASSERT_TRUE(defaults->set(std::numeric_limits<quint64>::max(), QStringLiteral("uint")));
    ASSERT_TRUE(defaults->set(0.1, QStringLiteral("real")));
    ASSERT_TRUE(defaults->set(1.0, QStringLiteral("wholeReal")));
    ASSERT_TRUE(defaults->set(date, QStringLiteral("date")));
    ASSERT_TRUE(defaults->set(QByteArray("\x00\xff\x10", 3), QStringLiteral("data")));
    ASSERT_TRUE(defaults->set(QVariantList{1, QStringLiteral("a"), QVariantList{}},
                              QStringLiteral("array")));
    ASSERT_TRUE(
        defaults->set(QVariantMap{{QStringLiteral("k"), QVariantMap{}}}, QStringLiteral("dict")));

    const QString dump = runChild({QStringLiteral("dump"), suite.path});
    EXPECT_EQ(dump, QStringLiteral("array [int:1,string:a,[]]\n"
                                   "data data:00ff10\n"
                                   "date date:2026-12-06T18:11:37.000Z\n"
                                   "dict {k={}}\n"
                                   "false bool:false\n"
                                   "int int:-9223372036854775808\n"
                                   "real real:0.10000000000000001\n"
                                   "string string:tab\t<&> — \u2028\n"
                                   "true bool:true\n"
                                   "uint uint:18446744073709551615\n"
                                   "wholeReal real:1\n"));
}

TEST(UserDefaults, ReadsGiveWhatWasWrittenInThisProcessToo) {
    Suite suite;
    auto defaults = suite.open();
    defaults->set(true, QStringLiteral("flag"));
    defaults->set(7, QStringLiteral("count"));
    EXPECT_EQ(defaults->object(QStringLiteral("flag")).typeId(), QMetaType::Bool);
    EXPECT_EQ(defaults->object(QStringLiteral("count")).typeId(), QMetaType::LongLong);
    EXPECT_TRUE(defaults->boolean(QStringLiteral("flag")));
    EXPECT_FALSE(defaults->boolean(QStringLiteral("count")));
    EXPECT_EQ(defaults->string(QStringLiteral("count")), std::nullopt);
    // A fresh object over the same file sees the same values.
    auto again = suite.open();
    EXPECT_TRUE(PropertyList::identical(again->object(QStringLiteral("count")), qint64(7)));
}

TEST(UserDefaults, RegisteredDefaultsShowThroughButAreNeverStored) {
    Suite suite;
    auto defaults = suite.open();
    defaults->registerDefaults({{QStringLiteral("a"), 1}, {QStringLiteral("b"), 2}});
    defaults->set(10, QStringLiteral("b"));
    EXPECT_EQ(defaults->object(QStringLiteral("a")).toLongLong(), 1);
    EXPECT_EQ(defaults->object(QStringLiteral("b")).toLongLong(), 10);
    const QVariantMap all = defaults->dictionaryRepresentation();
    EXPECT_EQ(all.value(QStringLiteral("a")).toLongLong(), 1);
    EXPECT_EQ(all.value(QStringLiteral("b")).toLongLong(), 10);
    EXPECT_EQ(suite.open()->persistentDomain().keys(), QStringList{QStringLiteral("b")});
    defaults->set(QVariant(), QStringLiteral("b")); // setting nothing removes the entry
    EXPECT_EQ(defaults->object(QStringLiteral("b")).toLongLong(), 2);
    EXPECT_TRUE(suite.open()->persistentDomain().isEmpty());
}

TEST(UserDefaults, RefusesWhatAPropertyListCannotHoldAndChangesNothing) {
    Suite suite;
    auto defaults = suite.open();
    defaults->set(QStringLiteral("kept"), QStringLiteral("other"));
    const QByteArray before = fileBytes(suite.path);
    EXPECT_FALSE(defaults->set(QVariant::fromValue(QPoint(1, 2)), QStringLiteral("point")));
    EXPECT_FALSE(
        defaults->set(QVariantList{QVariant::fromValue(QPoint())}, QStringLiteral("list")));
    EXPECT_FALSE(defaults->set(QStringLiteral("bell\a"), QStringLiteral("control")));
    EXPECT_FALSE(defaults->object(QStringLiteral("point")).isValid());
    EXPECT_EQ(fileBytes(suite.path), before);
}

TEST(UserDefaults, ACorruptFileIsKeptAsideAndNeverOverwritten) {
    Suite suite;
    const QByteArray garbage("<?xml version=\"1.0\"?><plist><dict><key>a</key>");
    {
        QFile file(suite.path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    auto defaults = suite.open();
    EXPECT_TRUE(defaults->persistentDomain().isEmpty());
    const QStringList aside =
        QDir(suite.folder).entryList({QStringLiteral("test.plist.corrupt-*")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(fileBytes(suite.folder + QLatin1Char('/') + aside.first()), garbage);

    defaults->set(1, QStringLiteral("fresh"));
    EXPECT_EQ(fileBytes(suite.folder + QLatin1Char('/') + aside.first()), garbage);
    EXPECT_EQ(suite.open()->object(QStringLiteral("fresh")).toLongLong(), 1);
}

TEST(UserDefaults, AFileThatIsThereButCannotBeReadIsNeverWrittenOver) {
    // A folder anyone may write in, holding a file that only its owner may
    // read; a writer who is not its owner must not replace it.
    QTemporaryDir shared(QDir::tempPath() + QStringLiteral("/gapsel-shared-XXXXXX"));
    QFile::setPermissions(shared.path(), QFileDevice::Permissions(0x7777));
    const QString path = shared.path() + QStringLiteral("/test.plist");
    UserDefaults::open(QStringLiteral("test"), path)
        ->set(QStringLiteral("keep me"), QStringLiteral("precious"));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    QProcess child;
    QStringList arguments = {QStringLiteral("set"), path, QStringLiteral("k"), QStringLiteral("v")};
    if (::geteuid() == 0) {
        // Root reads everything: run the writer as nobody instead.
        arguments = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                QStringLiteral("--clear-groups"), QStringLiteral(DEFAULTS_CHILD)} +
                    arguments;
        child.start(QStringLiteral("setpriv"), arguments);
    } else {
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        child.start(QStringLiteral(DEFAULTS_CHILD), arguments);
    }
    ASSERT_TRUE(child.waitForFinished(30000));
    const QByteArray said = child.readAllStandardOutput().trimmed();
    if (said.isEmpty())
        GTEST_SKIP() << "the writer could not be started as another user";
    EXPECT_EQ(said, "refused");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const auto contents = PropertyList::parse(fileBytes(path));
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->value(QStringLiteral("precious")).toString(), QStringLiteral("keep me"));
    EXPECT_FALSE(contents->contains(QStringLiteral("k")));
}

TEST(UserDefaults, TwoWritersOnOneFileLoseNothing) {
    Suite suite;
    auto first = suite.open();
    auto second = suite.open();
    std::vector<QVariant> seenByFirst;
    first->addObserver(QStringLiteral("b"), 0, [&](const UserDefaults::Change& change) {
        seenByFirst.push_back(change.newValue);
    });
    first->set(1, QStringLiteral("a"));
    second->set(2, QStringLiteral("b"));
    first->set(3, QStringLiteral("c"));
    auto fresh = suite.open();
    EXPECT_EQ(fresh->persistentDomain().size(), 3);
    EXPECT_EQ(first->object(QStringLiteral("b")).toLongLong(), 2);
    // The first writer learned of the other's change when it merged.
    ASSERT_EQ(seenByFirst.size(), 1u);
    EXPECT_EQ(seenByFirst[0].toLongLong(), 2);
}

TEST(UserDefaults, ObserversHearEveryWriteWithOldAndNewValues) {
    Suite suite;
    auto defaults = suite.open();
    defaults->set(1, QStringLiteral("k"));
    std::vector<UserDefaults::Change> changes;
    const auto id = defaults->addObserver(
        QStringLiteral("k"), UserDefaults::Prior,
        [&](const UserDefaults::Change& change) { changes.push_back(change); });
    defaults->set(2, QStringLiteral("k"));
    defaults->set(2, QStringLiteral("k"));
    defaults->set(3, QStringLiteral("other"));
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_TRUE(changes[0].isPrior);
    EXPECT_EQ(changes[0].oldValue.toLongLong(), 1);
    EXPECT_FALSE(changes[1].isPrior);
    EXPECT_EQ(changes[1].oldValue.toLongLong(), 1);
    EXPECT_EQ(changes[1].newValue.toLongLong(), 2);
    EXPECT_EQ(changes[3].newValue.toLongLong(), 2) << "a write of the same value is still a write";
    defaults->removeObserver(id);
    defaults->set(4, QStringLiteral("k"));
    EXPECT_EQ(changes.size(), 4u);
}

TEST(UserDefaults, ObserversMayWriteAndUnsubscribeFromInsideTheirCallback) {
    Suite suite;
    auto defaults = suite.open();
    UserDefaults::ObserverId id = 0;
    int calls = 0;
    id = defaults->addObserver(QStringLiteral("k"), 0, [&](const UserDefaults::Change&) {
        ++calls;
        defaults->removeObserver(id);
        defaults->set(true, QStringLiteral("written-from-observer"));
    });
    defaults->set(1, QStringLiteral("k"));
    defaults->set(2, QStringLiteral("k"));
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(defaults->boolean(QStringLiteral("written-from-observer")));
}

TEST(UserDefaults, ManyThreadsWritingAtOnceKeepEveryValue) {
    Suite suite;
    auto defaults = suite.open();
    std::atomic<int> notified{0};
    for (int t = 0; t < 4; ++t)
        defaults->addObserver(QStringLiteral("key%1").arg(t), 0, [&](const auto&) { ++notified; });
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 25; ++i)
                defaults->set(i, QStringLiteral("key%1").arg(t));
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(notified.load(), 100);
    auto fresh = suite.open();
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(fresh->object(QStringLiteral("key%1").arg(t)).toLongLong(), 24);
}

TEST(UserDefaults, ChangesByAnotherProcessReachObserversOnTheMainQueue) {
    Suite suite;
    auto defaults = suite.open();
    platform::sim::SimMainQueue queue;
    defaults->watchForExternalChanges(queue);
    std::vector<std::pair<QVariant, QVariant>> seen;
    defaults->addObserver(QStringLiteral("k"), 0, [&](const UserDefaults::Change& change) {
        seen.emplace_back(change.oldValue, change.newValue);
    });
    defaults->set(QStringLiteral("mine"), QStringLiteral("k"));
    runChild({QStringLiteral("set"), suite.path, QStringLiteral("k"), QStringLiteral("theirs")});
    EXPECT_EQ(seen.size(), 1u) << "nothing arrives outside the main queue";
    ASSERT_TRUE(testing_support::processEventsUntil([&] {
        queue.runUntilIdle();
        return seen.size() >= 2;
    }));
    queue.runUntilIdle();
    ASSERT_EQ(seen.size(), 2u) << "our own write is not delivered a second time";
    EXPECT_EQ(seen[1].first.toString(), QStringLiteral("mine"));
    EXPECT_EQ(seen[1].second.toString(), QStringLiteral("theirs"));
    EXPECT_EQ(defaults->string(QStringLiteral("k")), QStringLiteral("theirs"));
}

TEST(UserDefaults, AChangeFromAnotherProcessOvertakenByOurOwnWriteIsNotToldLate) {
    Suite suite;
    auto defaults = suite.open();
    platform::sim::SimMainQueue queue;
    defaults->watchForExternalChanges(queue);
    std::vector<QVariant> told;
    defaults->addObserver(QStringLiteral("k"), 0, [&](const UserDefaults::Change& change) {
        told.push_back(change.newValue);
    });
    suite.open()->set(true, QStringLiteral("k")); // another writer
    defaults->set(false, QStringLiteral("k"));    // ours, before the main queue ran
    queue.runUntilIdle();
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back(), QVariant(false));
    EXPECT_EQ(defaults->object(QStringLiteral("k")), QVariant(false));
}

TEST(UserDefaults, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
    Suite suite;
    std::mt19937 random(20261206);
    qint64 lastReported = 0;
    for (int round = 0; round < 200; ++round) {
        QProcess child;
        child.start(QStringLiteral(DEFAULTS_CHILD),
                    {QStringLiteral("count"), suite.path, QStringLiteral("n")});
        ASSERT_TRUE(child.waitForStarted());
        const int writesBeforeKill = std::uniform_int_distribution<int>(1, 8)(random);
        for (int seen = 0; seen < writesBeforeKill;) {
            ASSERT_TRUE(child.waitForReadyRead(30000));
            while (child.canReadLine()) {
                lastReported = child.readLine().trimmed().toLongLong();
                ++seen;
            }
        }
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        child.waitForFinished();
        while (child.canReadLine())
            lastReported = child.readLine().trimmed().toLongLong();

        QString error;
        const auto contents = PropertyList::parse(fileBytes(suite.path), &error);
        ASSERT_TRUE(contents) << "round " << round << ": " << error.toStdString();
        const qint64 stored = contents->value(QStringLiteral("n")).toLongLong();
        EXPECT_TRUE(stored == lastReported || stored == lastReported + 1)
            << "round " << round << ": stored " << stored << ", last reported " << lastReported;
        // The next child counts on from one again.
        QFile::remove(suite.path);
    }
    // What the killed writers left half-written is cleared by the next one to open the file.
    suite.open();
    EXPECT_EQ(QDir(suite.folder).entryList({QStringLiteral("test.plist.tmp-*")}, QDir::Files),
              QStringList());
}
