// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "PrivateBus.h"
#include "defaults/PropertyList.h"
#include "support/TestEnvironment.h"

#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

using namespace Qt::StringLiterals;

// The real gapsel on a private bus while preferences files that add and remove
// separators are swapped in as fast as can be, and a host keeps asking the
// newest items for their properties and menus: items go while calls to them
// are on their way. Gapsel must not crash, and must end up showing the last file.
namespace {

constexpr int deadlineMs = 20000;
const QString itemInterface = u"org.kde.StatusNotifierItem"_s;
using Object = std::pair<QString, QString>;
const Object itemObject{u"/StatusNotifierItem"_s, u"org.freedesktop.DBus.Properties"_s};
const Object menuObject{u"/MenuBar"_s, u"com.canonical.dbusmenu"_s};

class SeparatorStorm : public ::testing::Test {
protected:
    SeparatorStorm() {
        const QString home = testing_support::freshFolder(u"storm"_s);
        const QString runtime = testing_support::freshFolder(u"runtime"_s);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_s, home);
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, bus_.address());
        gapsel_.setProcessEnvironment(environment);
        gapsel_.setProcessChannelMode(QProcess::ForwardedChannels);
        plist_ = home + u"/" GAPSEL_BUNDLE_ID ".plist"_s;
        for (int index = 0; index < 8; ++index)
            pool_.append(u"0000000%1-0000-4000-8000-000000000000"_s.arg(index + 1));
    }

    void writeSeparators(const QStringList& ids) {
        QVariantList separators;
        for (const QString& id : ids)
            separators.append(uR"({"id":"%1","character":"|"})"_s.arg(id));
        ASSERT_TRUE(testing_support::writeFile(
            plist_, Defaults::propertyListXml(
                        {{u"separators"_s, separators}, {u"JX_launchCount"_s, qint64{5}}})));
    }

    // Calls every item at once and waits until each call is answered, by the
    // item or by the bus for an item already gone; the Ids of those that answer.
    QSet<QString> ask(const QStringList& items, const Object& object, const QString& method,
                      const QVariantList& arguments) {
        QList<QDBusPendingCall> pending;
        for (const QString& item : items) {
            QDBusMessage call = QDBusMessage::createMethodCall(item.section(QLatin1Char('/'), 0, 0),
                                                               object.first, object.second, method);
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
                return ask(watcher_.items(), itemObject, u"Get"_s, {itemInterface, u"Id"_s}) ==
                       expected;
            },
            deadlineMs);
    }

    tray_testing::PrivateBus bus_;
    tray_testing::FakeWatcher watcher_{bus_.address()};
    QDBusConnection host_ = bus_.connector()(u"storm-host"_s);
    QProcess gapsel_;
    QString plist_;
    QStringList pool_;
};

TEST_F(SeparatorStorm, OutsideAddsAndRemovesWhileHostsAskCrashNothingAndLeaveNoStaleView) {
    writeSeparators(pool_.mid(0, 3));
    gapsel_.start(QStringLiteral(GAPSEL_EXECUTABLE), {});
    ASSERT_TRUE(eventuallyShows(pool_.mid(0, 3)));

    std::mt19937 random(14);
    for (int round = 0; round < 200; ++round) {
        // Now and then none: Gapsel then puts one in, unless the next swap
        // came first.
        QStringList ids;
        for (const QString& id : pool_)
            if (round % 25 != 0 && random() % 2)
                ids.append(id);
        writeSeparators(ids);
        // What a host does when it shows the newest items and opens their menus.
        const QStringList newest =
            watcher_.items().mid(std::max(0, int(watcher_.items().size()) - 6));
        ask(newest, itemObject, u"GetAll"_s, {itemInterface});
        ask(newest, menuObject, u"AboutToShow"_s, {0});
        ask(newest, menuObject, u"GetLayout"_s, {0, -1, QStringList()});
        ASSERT_EQ(gapsel_.state(), QProcess::Running) << "round " << round;
    }

    writeSeparators(pool_.mid(4, 3));
    EXPECT_TRUE(eventuallyShows(pool_.mid(4, 3)));
    gapsel_.terminate();
    ASSERT_TRUE(gapsel_.waitForFinished(deadlineMs));
    EXPECT_EQ(gapsel_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(gapsel_.exitCode(), 0);
}

} // namespace
