// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "FakeWatcher.h"
#include "PrivateBus.h"
#include "defaults/PropertyList.h"
#include "support/TestEnvironment.h"

#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QSet>
#include <QUuid>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

// The real gapsel executable on a private bus while another program swaps in
// preferences files that add and remove separators as fast as it can, and a
// host keeps asking the newest items for their properties and menus: items
// come and go while calls to them are on their way. Gapsel must not crash,
// and must end up showing what the file holds last.
namespace {

constexpr int deadlineMs = 20000;
const QString itemPath = QStringLiteral("/StatusNotifierItem");
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString itemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString menuPath = QStringLiteral("/MenuBar");
const QString menuInterface = QStringLiteral("com.canonical.dbusmenu");

QStringList separatorIds(int count) {
    QStringList ids;
    for (int index = 0; index < count; ++index)
        ids.append(QUuid::createUuidV5(QUuid(), QString::number(index))
                       .toString(QUuid::WithoutBraces)
                       .toUpper());
    return ids;
}

class SeparatorStorm : public ::testing::Test {
protected:
    SeparatorStorm() {
        const QString home = testing_support::freshFolder(QStringLiteral("storm"));
        QDir().mkpath(home + QStringLiteral("/runtime"));
        QFile::setPermissions(home + QStringLiteral("/runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus_.address());
        gapsel_.setProcessEnvironment(environment);
        gapsel_.setProcessChannelMode(QProcess::ForwardedChannels);
        plist_ = home + QStringLiteral("/" GAPSEL_BUNDLE_ID ".plist");
    }

    ~SeparatorStorm() override {
        gapsel_.kill();
        gapsel_.waitForFinished(deadlineMs);
    }

    // A file swap: the new file replaces the old one whole.
    void writeSeparators(const QStringList& ids) {
        QVariantList separators;
        for (const QString& id : ids)
            separators.append(QStringLiteral(R"({"id":"%1","character":"|"})").arg(id));
        QSaveFile file(plist_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(PropertyList::toXml({{QStringLiteral("separators"), separators},
                                        {QStringLiteral("JX_launchCount"), qint64{5}}}));
        ASSERT_TRUE(file.commit());
    }

    // Calls every item at once and waits until each call is answered, by the
    // item or by the bus for an item already gone; the Ids of those that answer.
    QSet<QString> ask(const QStringList& items, const QString& path, const QString& interface,
                      const QString& method, const QVariantList& arguments) {
        QList<QDBusPendingCall> pending;
        for (const QString& item : items) {
            QDBusMessage call = QDBusMessage::createMethodCall(item.section(QLatin1Char('/'), 0, 0),
                                                               path, interface, method);
            call.setArguments(arguments);
            pending.append(host_.asyncCall(call));
        }
        EXPECT_TRUE(testing_support::processEventsUntil(
            [&] {
                return std::all_of(pending.cbegin(), pending.cend(),
                                   std::mem_fn(&QDBusPendingCall::isFinished));
            },
            deadlineMs));
        QSet<QString> answers;
        for (const QDBusPendingCall& call : pending)
            if (call.reply().type() == QDBusMessage::ReplyMessage)
                answers.insert(
                    call.reply().arguments().value(0).value<QDBusVariant>().variant().toString());
        return answers;
    }

    bool eventuallyShows(const QStringList& ids) {
        const QSet<QString> expected(ids.cbegin(), ids.cend());
        return testing_support::processEventsUntil(
            [&] {
                return ask(watcher_.items(), itemPath, properties, QStringLiteral("Get"),
                           {itemInterface, QStringLiteral("Id")}) == expected;
            },
            deadlineMs);
    }

    tray_testing::PrivateBus bus_;
    FakeWatcher watcher_{bus_.address(), true};
    QDBusConnection host_ = bus_.connect(QStringLiteral("storm-host"));
    QProcess gapsel_;
    QString plist_;
};

TEST_F(SeparatorStorm, OutsideAddsAndRemovesWhileHostsAskCrashNothingAndLeaveNoStaleView) {
    const QStringList pool = separatorIds(8);
    writeSeparators(pool.mid(0, 3));
    gapsel_.start(QStringLiteral(GAPSEL_EXECUTABLE), {});
    ASSERT_TRUE(eventuallyShows(pool.mid(0, 3)));

    std::mt19937 random(14);
    for (int round = 0; round < 200; ++round) {
        // Now and then none: Gapsel then puts one in, unless the next swap
        // came first.
        QStringList ids;
        for (const QString& id : pool)
            if (round % 25 != 0 && random() % 2)
                ids.append(id);
        writeSeparators(ids);
        // What a host does when it shows the newest items and opens their menus.
        const QStringList newest =
            watcher_.items().mid(std::max(0, int(watcher_.items().size()) - 6));
        ask(newest, itemPath, properties, QStringLiteral("GetAll"), {itemInterface});
        ask(newest, menuPath, menuInterface, QStringLiteral("AboutToShow"), {0});
        ask(newest, menuPath, menuInterface, QStringLiteral("GetLayout"), {0, -1, QStringList()});
        ASSERT_EQ(gapsel_.state(), QProcess::Running) << "round " << round;
    }

    writeSeparators(pool.mid(4, 3));
    EXPECT_TRUE(eventuallyShows(pool.mid(4, 3)));
    gapsel_.terminate();
    ASSERT_TRUE(gapsel_.waitForFinished(deadlineMs));
    EXPECT_EQ(gapsel_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(gapsel_.exitCode(), 0);
}

} // namespace
