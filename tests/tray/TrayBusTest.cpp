// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "PrivateBus.h"
#include "TrayTestMenus.h"
#include "platform/linux/TrayItemVisibility.h"
#include "platform/linux/tray/DBusTypes.h"
#include "platform/linux/tray/TrayStatusBar.h"
#include "platform/linux/tray/TrayStatusItem.h"
#include "platform/linux/tray/XfconfKnownItems.h"
#include "platform/sim/SimTrayHosts.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusVirtualObject>

#include <gtest/gtest.h>

using namespace tray_testing;
using namespace Qt::StringLiterals;
using platform::TrayHost;
using platform::TrayHostKind;
using platform::xdg::DBusMenuLayoutItem;
using platform::xdg::TrayStatusBar;
using platform::xdg::TrayStatusItem;
using testing_support::processEventsUntil;

namespace {

const QString itemInterface = u"org.kde.StatusNotifierItem"_s;
const QString menuInterface = u"com.canonical.dbusmenu"_s;

// A tray host on a private bus, with Gapsel's status bar beside it. The calls
// go to the item in `service`.
class TrayOnBus : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start"; }
    void TearDown() override {
        items.clear();
        QDBusConnection::disconnectFromBus(host.name());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::shared_ptr<TrayStatusItem> addItem(const QString& title,
                                            std::shared_ptr<platform::Menu> menu = nullptr) {
        auto item = std::static_pointer_cast<TrayStatusItem>(
            bar.statusItem(platform::StatusBar::variableLength));
        item->button().setTitle(title);
        item->setMenu(std::move(menu));
        items.push_back(item);
        return item;
    }
    // An item with `menu` that a present tray host shows; calls go to it.
    std::shared_ptr<TrayStatusItem> show(std::shared_ptr<platform::Menu> menu,
                                         const QString& title = u"—"_s) {
        if (!watcher)
            watcher = std::make_unique<FakeWatcher>(bus.address());
        auto item = addItem(title, std::move(menu));
        EXPECT_TRUE(processEventsUntil([&] {
            return watcher->items().contains(item->uniqueName() + u"/StatusNotifierItem"_s);
        }));
        service = item->serviceName();
        return item;
    }

    // Waits in the event loop, so that items of this very process can answer.
    QDBusMessage call(const QString& path, const QString& interface, const QString& method,
                      const QVariantList& arguments = {}) {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(arguments);
        QDBusPendingCallWatcher pending(host.asyncCall(message));
        processEventsUntil([&] { return pending.isFinished(); });
        return pending.reply();
    }
    QDBusMessage menuCall(const QString& method, const QVariantList& arguments = {}) {
        return call(u"/MenuBar"_s, menuInterface, method, arguments);
    }
    QDBusMessage event(int id, const QString& kind) {
        return menuCall(u"Event"_s, {id, kind, QVariant::fromValue(QDBusVariant(0)), 0u});
    }
    static bool fails(const QDBusMessage& reply) {
        return reply.type() == QDBusMessage::ErrorMessage;
    }
    static QVariant valueOf(const QDBusMessage& reply) {
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    QVariant property(const QString& name) {
        return valueOf(call(u"/StatusNotifierItem"_s, u"org.freedesktop.DBus.Properties"_s,
                            u"Get"_s, {itemInterface, name}));
    }
    DBusMenuLayoutItem layout(int id = 0) {
        const QDBusMessage reply = menuCall(u"GetLayout"_s, {id, -1, QStringList()});
        DBusMenuLayoutItem root;
        if (reply.type() == QDBusMessage::ReplyMessage)
            reply.arguments().value(1).value<QDBusArgument>() >> root;
        return root;
    }
    // A round trip through the item's connection: what did not happen to what
    // was sent before will not.
    void sync() { property(u"Id"_s); }
    int idOf(const QString& label) { return childLabelled(layout(), label).id; }
    // The separator's menu, built afresh each time the host asks for it from
    // the flags as they are then (the caller's, which outlive the menu).
    static std::shared_ptr<RecordingMenu> separatorMenu(const bool& canRemove,
                                                        const bool& withTip) {
        auto menu = std::make_shared<RecordingMenu>();
        menu->build = [&canRemove, &withTip](RecordingMenu& self) {
            if (withTip)
                self.addItem(item(u"Tip"_s, false));
            const auto built = tray_testing::separatorMenu(canRemove, u"—"_s);
            for (const auto& entry : built->items())
                self.addItem(entry);
        };
        return menu;
    }

    PrivateBus bus;
    QDBusConnection host = bus.connector()(u"host"_s);
    std::unique_ptr<FakeWatcher> watcher;
    platform::sim::SimTrayHosts hosts;
    std::vector<std::pair<std::shared_ptr<platform::Menu>, QPoint>> popups;
    TrayStatusBar bar{u"Gapsel separator"_s, hosts, bus.connector(),
                      [this](std::shared_ptr<platform::Menu> menu, QPoint at) {
                          popups.emplace_back(std::move(menu), at);
                      }};
    std::vector<std::shared_ptr<TrayStatusItem>> items;
    QString service;
};

TEST_F(TrayOnBus, AnItemAnswersAllAHostReadsInOneCallAndEachHostGetsTheMethodsItCanUse) {
    show(std::make_shared<RecordingMenu>());
    const QDBusMessage all = call(u"/StatusNotifierItem"_s, u"org.freedesktop.DBus.Properties"_s,
                                  u"GetAll"_s, {itemInterface});
    QVariantMap properties;
    all.arguments().value(0).value<QDBusArgument>() >> properties;
    const QString title = u"Gapsel separator: em dash"_s;
    for (const auto& [name, value] : {std::pair{"Title", QVariant(title)},
                                      {"Category", u"ApplicationStatus"_s},
                                      {"ItemIsMenu", true}})
        EXPECT_EQ(properties.value(QString::fromLatin1(name)), value) << name;
    for (const char* name : {"OverlayIconPixmap", "AttentionIconPixmap", "WindowId"})
        EXPECT_TRUE(properties.contains(QString::fromLatin1(name))) << name;
    platform::xdg::DBusToolTip toolTip;
    properties.value(u"ToolTip"_s).value<QDBusArgument>() >> toolTip;
    EXPECT_EQ(toolTip.title, title);
    platform::xdg::DBusImageList icons;
    property(u"IconPixmap"_s).value<QDBusArgument>() >> icons;
    ASSERT_EQ(icons.size(), 5);
    EXPECT_EQ(icons.front().height, 16);

    const QStringList always = texts(
        {"IconPixmap", "ToolTip", "XAyatanaNewLabel", "NewIcon", "ProvideXdgActivationToken"});
    const QStringList clicks = texts({"Activate", "ContextMenu"});
    for (const auto& [kind, label, activates] :
         {std::tuple{TrayHostKind::Xfce, "·", true}, {TrayHostKind::Gnome, "", false}}) {
        hosts.setHosts({TrayHost{kind, {}, -1}});
        show(std::make_shared<RecordingMenu>(), u"·"_s);
        EXPECT_EQ(property(u"XAyatanaLabel"_s), QString::fromUtf8(label));
        const QDBusMessage introspection = call(
            u"/StatusNotifierItem"_s, u"org.freedesktop.DBus.Introspectable"_s, u"Introspect"_s);
        const QString xml = introspection.arguments().value(0).toString();
        for (const QString& name : always + clicks)
            EXPECT_EQ(xml.contains(u"name=\"%1\""_s.arg(name)), activates || always.contains(name))
                << name.toStdString() << " for host " << static_cast<int>(kind);
    }
}

TEST_F(TrayOnBus, ItemsRegisterInOrderWhenTheWatcherComesAndAgainWhenItDropsOne) {
    for (const char* title : {"-", "|", "·"})
        addItem(QString::fromUtf8(title));
    // The name the watcher knows an item by: its connection's, and the path.
    const auto names = [&] {
        QStringList result;
        for (const auto& one : items)
            result.append(host.interface()->serviceOwner(one->serviceName()).value() +
                          u"/StatusNotifierItem"_s);
        return result;
    };
    watcher = std::make_unique<FakeWatcher>(bus.address());
    ASSERT_TRUE(processEventsUntil([&] { return watcher->items().size() == 3; }));
    EXPECT_EQ(watcher->items(), names());
    watcher->dropItem(names().first());
    EXPECT_TRUE(processEventsUntil([&] { return watcher->items().size() == 3; }));
    EXPECT_EQ(watcher->items().last(), names().first());
}

TEST_F(TrayOnBus, AHostOpensTheMenuAndChoosesEntryByEntryOrInGroups) {
    bool canRemove = false;
    const bool withTip = false;
    auto menu = separatorMenu(canRemove, withTip);
    show(menu);
    menuCall(u"AboutToShow"_s, {0});
    EXPECT_EQ(menu->events, QStringList{u"update"_s});
    ASSERT_EQ(layout().children.size(), 13);

    event(0, u"opened"_s);
    const auto newItem = std::static_pointer_cast<CountingItem>(menu->items().front());
    EXPECT_EQ(event(idOf(u"New"_s), u"clicked"_s).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(processEventsUntil([&] { return newItem->performed == 1; }));
    EXPECT_EQ(menu->events.mid(1, 2), texts({"open", "close"}));
    // A disabled entry cannot be chosen.
    auto removeItem = std::static_pointer_cast<CountingItem>(menu->items().at(1));
    const int removeId = idOf(u"Remove"_s);
    event(removeId, u"clicked"_s);
    sync();
    EXPECT_EQ(removeItem->performed, 0);

    const int moreId = idOf(u"More"_s);
    EXPECT_EQ(menuCall(u"AboutToShow"_s, {moreId}).type(), QDBusMessage::ReplyMessage);
    event(moreId, u"opened"_s);
    event(moreId, u"closed"_s);
    const auto submenu = std::static_pointer_cast<RecordingMenu>(menu->items()[10]->submenu());
    EXPECT_EQ(submenu->events, texts({"update", "open", "close"}));

    // In groups: unknown entries are named in the answer, the others handled.
    canRemove = true;
    const QDBusMessage shown =
        menuCall(u"AboutToShowGroup"_s, {QVariant::fromValue(QList<int>{0, 999})});
    EXPECT_EQ(qdbus_cast<QList<int>>(shown.arguments().value(1)), QList<int>{999});
    removeItem = std::static_pointer_cast<CountingItem>(menu->items().at(1));
    platform::xdg::DBusMenuEventList events{{0, u"opened"_s, QDBusVariant(0), 0},
                                            {removeId, u"clicked"_s, QDBusVariant(0), 0},
                                            {999, u"clicked"_s, QDBusVariant(0), 0},
                                            {0, u"closed"_s, QDBusVariant(0), 0}};
    const QDBusMessage handled = menuCall(u"EventGroup"_s, {QVariant::fromValue(events)});
    EXPECT_EQ(qdbus_cast<QList<int>>(handled.arguments().value(0)), QList<int>{999});
    EXPECT_TRUE(processEventsUntil([&] { return removeItem->performed == 1; }));
    const QDBusMessage properties =
        menuCall(u"GetGroupProperties"_s,
                 {QVariant::fromValue(QList<int>{removeId, 999}), QStringList{u"label"_s}});
    platform::xdg::DBusMenuItemList found;
    properties.arguments().value(0).value<QDBusArgument>() >> found;
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].properties.value(u"label"_s), u"Remove"_s);

    // Hosts that leave clicks to the item get the same menu where they ask.
    call(u"/StatusNotifierItem"_s, itemInterface, u"Activate"_s, {10, 20});
    call(u"/StatusNotifierItem"_s, itemInterface, u"ContextMenu"_s, {30, 40});
    EXPECT_EQ(popups, (decltype(popups){{menu, {10, 20}}, {menu, {30, 40}}}));

    // The token a host hands over before a click is there for the window the
    // click opens; what cannot be a token is dropped.
    qunsetenv("XDG_ACTIVATION_TOKEN");
    for (const QString& notAToken : {QString(), u"a b"_s, u"a\nb"_s, QString(513, u'a')})
        call(u"/StatusNotifierItem"_s, itemInterface, u"ProvideXdgActivationToken"_s, {notAToken});
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"));
    call(u"/StatusNotifierItem"_s, itemInterface, u"ProvideXdgActivationToken"_s, {u"kwin-42_x"_s});
    EXPECT_EQ(qEnvironmentVariable("XDG_ACTIVATION_TOKEN"), u"kwin-42_x"_s);
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

TEST_F(TrayOnBus, MalformedAndStaleCallsGetErrorRepliesAndChangeNothing) {
    auto menu = std::make_shared<RecordingMenu>();
    menu->addItem(item(u"Gone soon"_s));
    show(menu);
    const int goneId = idOf(u"Gone soon"_s);
    EXPECT_TRUE(fails(menuCall(u"GetLayout"_s, {999, -1, QStringList()})));
    EXPECT_TRUE(fails(menuCall(u"Event"_s, {u"not an id"_s})));
    EXPECT_TRUE(fails(menuCall(u"GetProperty"_s, {goneId, u"no-such-property"_s})));
    EXPECT_EQ(valueOf(menuCall(u"GetProperty"_s, {goneId, u"label"_s})), u"Gone soon"_s);
    EXPECT_TRUE(fails(call(u"/StatusNotifierItem"_s, itemInterface, u"Activate"_s, {u"x"_s})));
    menu->removeAllItems();
    menuCall(u"AboutToShow"_s, {0});
    EXPECT_TRUE(fails(event(goneId, u"clicked"_s)));
    EXPECT_TRUE(layout().children.isEmpty());
}

TEST_F(TrayOnBus, AMenuIsBuiltOnceAskedForAndAnnouncesANewLayoutOnlyWhenTheTreeChanged) {
    bool canRemove = false;
    bool withTip = false;
    auto menu = separatorMenu(canRemove, withTip);
    auto item = show(menu);
    // Fifty items whose menus nobody opens hold no fifty menus.
    item->button().setTitle(u"|"_s);
    sync();
    EXPECT_TRUE(menu->events.isEmpty());
    SignalCounter layouts;
    SignalCounter properties;
    host.connect(service, u"/MenuBar"_s, menuInterface, u"LayoutUpdated"_s, &layouts,
                 SLOT(record()));
    host.connect(service, u"/MenuBar"_s, menuInterface, u"ItemsPropertiesUpdated"_s, &properties,
                 SLOT(record()));
    // A round trip, so that the bus has the host's interest in the signals.
    EXPECT_EQ(layout().children.size(), 13);
    EXPECT_EQ(menu->events, texts({"update"}));

    canRemove = true;
    item->button().setTitle(u"·"_s);
    ASSERT_TRUE(processEventsUntil([&] { return properties.count == 1; }));
    EXPECT_EQ(layouts.count, 0);

    withTip = true;
    item->button().setAppearsDisabled(true);
    ASSERT_TRUE(processEventsUntil([&] { return layouts.count == 1; }));
    EXPECT_EQ(layout().children.size(), 14);
}

// A service at `path` under `name` on its own connection that answers every
// call with the error `error`, or never (as a hung panel) without one.
class ScriptedService : public QDBusVirtualObject {
public:
    ScriptedService(const PrivateBus& bus, const QString& name, const QString& path,
                    QString error = {})
        : error_(std::move(error))
        , name_(name) {
        QDBusConnection connection = bus.connector()(name);
        connection.registerVirtualObject(path, this);
        connection.registerService(name);
    }
    ~ScriptedService() override { QDBusConnection::disconnectFromBus(name_); }
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        ++calls;
        if (!error_.isEmpty())
            connection.send(message.createErrorReply(error_, u"no"_s));
        return true;
    }
    int calls = 0;

private:
    QString error_;
    QString name_;
};

TEST_F(TrayOnBus, ASilentWatcherHoldsOnlyTheVisibilityAnswerAndXfcesFirstErrorIsNoFailure) {
    ScriptedService silent(bus, u"org.kde.StatusNotifierWatcher"_s, u"/StatusNotifierWatcher"_s);
    const auto item = addItem(u"—"_s, std::make_shared<RecordingMenu>());
    service = item->serviceName();
    ASSERT_TRUE(processEventsUntil([&] { return host.interface()->isServiceRegistered(service); }));
    platform::xdg::TrayItemVisibility visibility(hosts, bus.connector());
    std::optional<platform::HiddenVerdict> verdict;
    visibility.hiddenBySystem(*item, [&](platform::HiddenVerdict answer) { verdict = answer; });
    EXPECT_FALSE(verdict);
    EXPECT_EQ(menuCall(u"GetLayout"_s, {0, -1, QStringList()}).type(), QDBusMessage::ReplyMessage);
    EXPECT_FALSE(verdict);
    EXPECT_GE(silent.calls, 1);

    // A panel that has recorded no items yet says so with an error; that is an
    // empty list, which keeps the pacing between registrations, not a failure.
    const std::pair<QString, std::optional<QStringList>> cases[] = {
        {u"org.xfce.Xfconf.Error.PropertyNotFound"_s, QStringList()},
        {u"org.xfce.Xfconf.Error.InternalError"_s, std::nullopt},
    };
    for (const auto& [error, expected] : cases) {
        SCOPED_TRACE(error.toStdString());
        ScriptedService xfconf(bus, u"org.xfce.Xfconf"_s, u"/org/xfce/Xfconf"_s, error);
        std::optional<std::optional<QStringList>> read;
        platform::xdg::XfconfKnownItems known(
            host, 3, [&](std::optional<QStringList> ids) { read = ids; },
            [](const QStringList&) {});
        ASSERT_TRUE(processEventsUntil([&] { return read.has_value(); }));
        EXPECT_EQ(*read, expected);
    }
}

} // namespace
