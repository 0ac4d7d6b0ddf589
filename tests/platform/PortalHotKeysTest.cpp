// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/PortalHotKeys.h"
#include "../tray/PrivateBus.h"
#include "platform/linux/PortalShortcut.h"
#include "support/TestEnvironment.h"

#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QMutex>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using platform::HotKeys;
using platform::xdg::PortalHotKeys;
using platform::xdg::PortalShortcut;
using testing_support::processEventsUntil;

namespace {

const QString portalPath = u"/org/freedesktop/portal/desktop"_s;
const QString shortcutsInterface = u"org.freedesktop.portal.GlobalShortcuts"_s;
const QString sessionPath = u"/org/freedesktop/portal/desktop/session/1/gapsel"_s;

// The desktop's portal on the test's bus, answering from a thread of its own
// as the real one answers from its process: Gapsel asks it in a blocking
// call. Without `offersShortcuts` it is a portal whose desktop has no
// backend for global shortcuts.
class FakePortal : public QDBusVirtualObject {
public:
    FakePortal(const tray_testing::PrivateBus& bus, bool offersShortcuts)
        : offersShortcuts_(offersShortcuts) {
        moveToThread(&thread_);
        thread_.start();
        connection_ = QDBusConnection::connectToBus(bus.address(), u"fake-portal"_s);
        connection_.registerVirtualObject(portalPath, this);
        connection_.registerService(u"org.freedesktop.portal.Desktop"_s);
    }
    ~FakePortal() override {
        QDBusConnection::disconnectFromBus(u"fake-portal"_s);
        thread_.quit();
        thread_.wait();
    }

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() == u"Get"_s) {
            connection.send(offersShortcuts_
                                ? message.createReply(QVariant::fromValue(QDBusVariant(1u)))
                                : message.createErrorReply(
                                      u"org.freedesktop.DBus.Error.UnknownInterface"_s, u"no"_s));
            return true;
        }
        const auto options = qdbus_cast<QVariantMap>(message.arguments().constLast());
        const QString request =
            u"%1/request/%2/%3"_s.arg(portalPath, message.service().mid(1).replace(u'.', u'_'),
                                      options.value(u"handle_token"_s).toString());
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QVariantMap results;
        if (message.member() == u"CreateSession"_s) {
            results.insert(u"session_handle"_s, QVariant::fromValue(QDBusObjectPath(sessionPath)));
        } else {
            const QMutexLocker lock(&mutex_);
            binds_.append(qdbus_cast<QList<PortalShortcut>>(message.arguments().at(1)));
        }
        QDBusMessage response =
            QDBusMessage::createSignal(request, u"org.freedesktop.portal.Request"_s, u"Response"_s);
        response << 0u << results;
        connection.send(response);
        return true;
    }

    QList<QList<PortalShortcut>> binds() const {
        const QMutexLocker lock(&mutex_);
        return binds_;
    }
    void send(const QString& signal, const QString& session, const QString& shortcutId) {
        QDBusMessage message = QDBusMessage::createSignal(portalPath, shortcutsInterface, signal);
        message << QVariant::fromValue(QDBusObjectPath(session)) << shortcutId << qulonglong(0)
                << QVariantMap();
        connection_.send(message);
    }

private:
    bool offersShortcuts_;
    QThread thread_;
    QDBusConnection connection_{u"unconnected"_s};
    mutable QMutex mutex_;
    QList<QList<PortalShortcut>> binds_;
};

class PortalOnBus : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start"; }
    void TearDown() override { QDBusConnection::disconnectFromBus(u"gapsel"_s); }
    QDBusConnection connection() {
        return QDBusConnection::connectToBus(bus.address(), u"gapsel"_s);
    }

    tray_testing::PrivateBus bus;
};

// No portal at all, or one whose desktop has no global shortcuts: nothing
// is available and nothing registers, so the recorder can say so.
TEST_F(PortalOnBus, OnlyTheDesktopsShortcutsBindCombinationsOnceAndPassOnTheirPresses) {
    for (const bool portalRuns : {false, true}) {
        SCOPED_TRACE(portalRuns);
        std::optional<FakePortal> portal;
        if (portalRuns)
            portal.emplace(bus, false);
        PortalHotKeys hotKeys(connection());
        EXPECT_FALSE(hotKeys.isAvailable());
        EXPECT_EQ(hotKeys.registerHotKey(0x28, 0x1200, {1, 1}), std::nullopt);
        QDBusConnection::disconnectFromBus(u"gapsel"_s);
    }

    // With them, combinations asked for before the session exists are bound
    // together, each with its preferred trigger; giving one back and asking again
    // (a menu opening and closing) binds nothing anew. Presses and releases of a
    // registered combination in our session reach the handler.
    FakePortal portal(bus, true);
    PortalHotKeys hotKeys(connection());
    std::vector<HotKeys::Event> events;
    hotKeys.installHandler([&](const HotKeys::Event& event) {
        events.push_back(event);
        return true;
    });
    hotKeys.addEventKinds({HotKeys::EventKind::HotKeyPressed, HotKeys::EventKind::HotKeyReleased});
    ASSERT_TRUE(hotKeys.isAvailable());
    const auto ctrlShiftK = hotKeys.registerHotKey(0x28, 0x1200, {7, 1});
    ASSERT_TRUE(hotKeys.registerHotKey(0x7A, 0, {7, 2}));
    ASSERT_TRUE(ctrlShiftK);
    ASSERT_TRUE(processEventsUntil([&] { return !portal.binds().isEmpty(); }));
    QMap<QString, QString> triggers;
    const QList<PortalShortcut> firstBind = portal.binds().constFirst();
    for (const PortalShortcut& shortcut : firstBind)
        triggers.insert(shortcut.options.value(u"description"_s).toString(),
                        shortcut.options.value(u"preferred_trigger"_s).toString());
    EXPECT_EQ(triggers,
              (QMap<QString, QString>{{u"Ctrl+Shift+K"_s, u"CTRL+SHIFT+k"_s}, {u"F1"_s, u"F1"_s}}));
    const QString bound = portal.binds().constFirst().constFirst().id;

    hotKeys.unregisterHotKey(*ctrlShiftK);
    const auto again = hotKeys.registerHotKey(0x28, 0x1200, {7, 3});
    portal.send(u"Activated"_s, u"/elsewhere"_s, bound);
    portal.send(u"Activated"_s, sessionPath, bound);
    portal.send(u"Deactivated"_s, sessionPath, bound);
    ASSERT_TRUE(processEventsUntil([&] { return events.size() == 2; }));
    EXPECT_EQ(portal.binds().size(), 1);
    EXPECT_EQ(std::tuple(events[0].kind, events[1].kind, events[0].hotKeyId),
              std::tuple(HotKeys::EventKind::HotKeyPressed, HotKeys::EventKind::HotKeyReleased,
                         HotKeys::Id{7, 3}));

    hotKeys.unregisterHotKey(*again);
    portal.send(u"Activated"_s, sessionPath, bound);
    portal.send(u"Activated"_s, sessionPath, portal.binds().constFirst().constLast().id);
    ASSERT_TRUE(processEventsUntil([&] { return events.size() == 3; }));
    EXPECT_EQ(events[2].hotKeyId, (HotKeys::Id{7, 2}));
}

} // namespace
