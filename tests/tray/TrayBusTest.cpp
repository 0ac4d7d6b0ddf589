// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "FakeWatcher.h"
#include "PrivateBus.h"
#include "TrayTestMenus.h"
#include "platform/linux/tray/DBusTypes.h"
#include "platform/linux/tray/TrayStatusBar.h"
#include "platform/linux/tray/TrayStatusItem.h"
#include "platform/sim/SimTrayHosts.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>

#include <gtest/gtest.h>

using namespace tray_testing;
using platform::TrayHost;
using platform::TrayHostKind;
using platform::xdg::DBusImageList;
using platform::xdg::DBusMenuLayoutItem;
using platform::xdg::TrayStatusBar;
using platform::xdg::TrayStatusItem;
using testing_support::processEventsUntil;

namespace {

const QString itemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString menuInterface = QStringLiteral("com.canonical.dbusmenu");
const QString itemPath = QStringLiteral("/StatusNotifierItem");
const QString menuPath = QStringLiteral("/MenuBar");
const QString uuid = QStringLiteral("6F1D2C3B-0A9E-4B8D-9C7F-123456789ABC");

// A tray host on a private bus, with Gapsel's status bar beside it.
class TrayOnBus : public ::testing::Test {
protected:
    void SetUp() override {
        platform::xdg::registerDBusTypes();
        ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    }

    void TearDown() override {
        items.clear();
        watcher.reset();
        QDBusConnection::disconnectFromBus(host.name());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::shared_ptr<TrayStatusItem> addItem(const QString& title,
                                            std::shared_ptr<platform::Menu> menu = nullptr) {
        auto item = std::static_pointer_cast<TrayStatusItem>(
            bar.statusItem(platform::StatusBar::variableLength));
        item->setAutosaveName(uuid);
        item->button().setTitle(title);
        item->setMenu(std::move(menu));
        items.push_back(item);
        return item;
    }

    QDBusMessage call(const QString& service, const QString& path, const QString& interface,
                      const QString& method, const QVariantList& arguments = {}) {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(arguments);
        return callAndWait(host, message);
    }

    QVariant property(const QString& service, const QString& name) {
        const QDBusMessage reply =
            call(service, itemPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                 QStringLiteral("Get"), {itemInterface, name});
        return reply.type() == QDBusMessage::ReplyMessage
                   ? reply.arguments().value(0).value<QDBusVariant>().variant()
                   : QVariant();
    }

    DBusMenuLayoutItem layout(const QString& service) {
        const QDBusMessage reply = call(service, menuPath, menuInterface,
                                        QStringLiteral("GetLayout"), {0, -1, QStringList()});
        DBusMenuLayoutItem root;
        if (reply.type() == QDBusMessage::ReplyMessage)
            reply.arguments().value(1).value<QDBusArgument>() >> root;
        return root;
    }

    // The name the watcher knows the item by: its connection's, and the path.
    QString registeredName(const QString& service) {
        return host.interface()->serviceOwner(service).value() + itemPath;
    }

    // A round trip through the item's own connection: what the item was sent
    // before has been handled when it returns.
    void sync(const QString& service) { property(service, QStringLiteral("Id")); }

    int idOf(const QString& service, const QString& label) {
        for (const DBusMenuLayoutItem& child : layout(service).children)
            if (child.properties.value(QStringLiteral("label")).toString() == label)
                return child.id;
        return -1;
    }

    static std::shared_ptr<RecordingMenu> separatorMenu(const bool& canRemove) {
        auto menu = std::make_shared<RecordingMenu>();
        menu->build = [&canRemove](RecordingMenu& self) {
            buildSeparatorMenu(self, canRemove, QStringLiteral("—"));
        };
        return menu;
    }

    PrivateBus bus;
    QDBusConnection host = bus.connect(QStringLiteral("host-%1").arg(nextHostNumber()));
    std::unique_ptr<FakeWatcher> watcher;
    platform::sim::SimTrayHosts hosts;
    std::vector<std::pair<std::shared_ptr<platform::Menu>, QPoint>> popups;
    TrayStatusBar bar{QStringLiteral("Gapsel separator"), hosts, bus.connector(),
                      [this](std::shared_ptr<platform::Menu> menu, QPoint at) {
                          popups.emplace_back(std::move(menu), at);
                      }};
    std::vector<std::shared_ptr<TrayStatusItem>> items;

private:
    static int nextHostNumber() {
        static int hosts = 0;
        return ++hosts;
    }
};

TEST_F(TrayOnBus, AnItemRegistersWithTheWatcherAndShowsWhatHostsRead) {
    watcher = std::make_unique<FakeWatcher>(bus.address(), true);
    auto item = addItem(QStringLiteral("—"), std::make_shared<RecordingMenu>());
    ASSERT_TRUE(processEventsUntil([&] { return item->isVisible(); }));
    const QString service = item->serviceName();
    ASSERT_EQ(watcher->items(), QStringList{registeredName(service)});

    EXPECT_EQ(property(service, QStringLiteral("Id")), uuid);
    const QString title = QStringLiteral("Gapsel separator: em dash");
    EXPECT_EQ(property(service, QStringLiteral("Title")), title);
    platform::xdg::DBusToolTip toolTip;
    property(service, QStringLiteral("ToolTip")).value<QDBusArgument>() >> toolTip;
    EXPECT_EQ(toolTip.title, title);
    EXPECT_EQ(property(service, QStringLiteral("Category")), QStringLiteral("ApplicationStatus"));
    EXPECT_EQ(property(service, QStringLiteral("Status")), QStringLiteral("Active"));
    EXPECT_EQ(property(service, QStringLiteral("ItemIsMenu")), true);
    EXPECT_EQ(property(service, QStringLiteral("Menu")).value<QDBusObjectPath>().path(), menuPath);
    EXPECT_EQ(property(service, QStringLiteral("XAyatanaLabel")), QStringLiteral("—"));

    DBusImageList icons;
    property(service, QStringLiteral("IconPixmap")).value<QDBusArgument>() >> icons;
    ASSERT_EQ(icons.size(), 5);
    EXPECT_EQ(icons.front().height, 16);
    EXPECT_EQ(icons.front().pixels.size(), 4 * icons.front().width * icons.front().height);

    const QDBusMessage all =
        call(service, itemPath, QStringLiteral("org.freedesktop.DBus.Properties"),
             QStringLiteral("GetAll"), {itemInterface});
    ASSERT_EQ(all.type(), QDBusMessage::ReplyMessage) << all.errorMessage().toStdString();
    QVariantMap properties;
    all.arguments().value(0).value<QDBusArgument>() >> properties;
    for (const char* name : {"IconPixmap", "ToolTip", "OverlayIconPixmap", "AttentionIconPixmap",
                             "XAyatanaLabel", "WindowId"})
        EXPECT_TRUE(properties.contains(QString::fromLatin1(name))) << name;
}

TEST_F(TrayOnBus, EachHostGetsOneGlyphAndTheMethodsItCanUse) {
    watcher = std::make_unique<FakeWatcher>(bus.address(), true);
    std::shared_ptr<TrayStatusItem> item;
    const auto introspect = [&](const QString& path) {
        return call(item->serviceName(), path,
                    QStringLiteral("org.freedesktop.DBus.Introspectable"),
                    QStringLiteral("Introspect"))
            .arguments()
            .value(0)
            .toString();
    };
    const auto has = [](const QString& xml, const char* member) {
        return xml.contains(QStringLiteral("name=\"%1\"").arg(QLatin1String(member)));
    };
    for (const auto& [kind, label, activates] :
         {std::tuple{TrayHostKind::Xfce, "·", true}, {TrayHostKind::Gnome, "", false}}) {
        hosts.setHosts({TrayHost{kind, {}, -1}});
        item = addItem(QStringLiteral("·"), std::make_shared<RecordingMenu>());
        ASSERT_TRUE(processEventsUntil([&] { return item->isVisible(); }));
        EXPECT_EQ(property(item->serviceName(), QStringLiteral("XAyatanaLabel")),
                  QString::fromUtf8(label));
        const QString itemXml = introspect(itemPath);
        for (const char* member : {"IconPixmap", "ToolTip", "XAyatanaNewLabel", "NewIcon"})
            EXPECT_TRUE(has(itemXml, member)) << member;
        EXPECT_EQ(has(itemXml, "Activate"), activates);
        EXPECT_EQ(has(itemXml, "ContextMenu"), activates);
    }
    const QString menuXml = introspect(menuPath);
    for (const char* member :
         {"GetLayout", "GetGroupProperties", "GetProperty", "Event", "EventGroup", "AboutToShow",
          "AboutToShowGroup", "LayoutUpdated", "ItemsPropertiesUpdated"})
        EXPECT_TRUE(menuXml.contains(QStringLiteral("name=\"%1\"").arg(QLatin1String(member))))
            << member;
}

TEST_F(TrayOnBus, AnItemIsVisibleOnlyWhileTheWatcherReportsAHost) {
    watcher = std::make_unique<FakeWatcher>(bus.address(), false);
    auto item = addItem(QStringLiteral("|"));
    ASSERT_TRUE(processEventsUntil([&] { return watcher->items().size() == 1; }));
    sync(item->serviceName());
    EXPECT_FALSE(item->isVisible());

    watcher->setHostRegistered(true);
    EXPECT_TRUE(processEventsUntil([&] { return item->isVisible(); }));
    watcher->setHostRegistered(false);
    EXPECT_TRUE(processEventsUntil([&] { return !item->isVisible(); }));
}

TEST_F(TrayOnBus, ItemsRegisterInOrderAndAgainWhenTheWatcherComesBackComesLateOrDropsOne) {
    QList<std::shared_ptr<TrayStatusItem>> made;
    for (const char* title : {"-", "|", "·"})
        made.append(addItem(QString::fromUtf8(title)));
    const auto allVisible = [&] {
        return std::all_of(made.cbegin(), made.cend(),
                           [](const auto& i) { return i->isVisible(); });
    };
    const auto names = [&] {
        QStringList result;
        for (const auto& one : made)
            result.append(registeredName(one->serviceName()));
        return result;
    };
    sync(made.back()->serviceName());
    EXPECT_FALSE(made.front()->isVisible());

    watcher = std::make_unique<FakeWatcher>(bus.address(), true);
    ASSERT_TRUE(processEventsUntil(allVisible));
    EXPECT_EQ(watcher->items(), names());

    watcher.reset();
    ASSERT_TRUE(processEventsUntil([&] { return !made.front()->isVisible(); }));
    watcher = std::make_unique<FakeWatcher>(bus.address(), true);
    ASSERT_TRUE(processEventsUntil(allVisible));
    EXPECT_EQ(watcher->items(), names());

    watcher->dropItem(names().first());
    EXPECT_TRUE(processEventsUntil([&] { return watcher->items().size() == 3; }));
    EXPECT_EQ(watcher->items().last(), names().first());
}

TEST_F(TrayOnBus, WithoutABusItemsAreMadeAndStayInvisible) {
    TrayStatusBar nowhere(QStringLiteral("Gapsel"), hosts, [](const QString& name) {
        return QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), name);
    });
    auto item = nowhere.statusItem(platform::StatusBar::variableLength);
    item->button().setTitle(QStringLiteral("•"));
    item->setMenu(std::make_shared<RecordingMenu>());
    QCoreApplication::processEvents();
    EXPECT_FALSE(std::static_pointer_cast<TrayStatusItem>(item)->isVisible());
}

TEST_F(TrayOnBus, AHostOpensTheMenuEntryByEntryAndChoosesAnItem) {
    watcher = std::make_unique<FakeWatcher>(bus.address(), true);
    bool canRemove = false;
    auto menu = separatorMenu(canRemove);
    auto item = addItem(QStringLiteral("—"), menu);
    ASSERT_TRUE(processEventsUntil([&] { return item->isVisible(); }));
    const QString service = item->serviceName();

    menu->events.clear();
    call(service, menuPath, menuInterface, QStringLiteral("AboutToShow"), {0});
    EXPECT_EQ(menu->events, QStringList{QStringLiteral("update")});
    const DBusMenuLayoutItem root = layout(service);
    ASSERT_EQ(root.children.size(), 13);
    EXPECT_EQ(root.children[1].properties.value(QStringLiteral("enabled")), false);

    call(service, menuPath, menuInterface, QStringLiteral("Event"),
         {0, QStringLiteral("opened"), QVariant::fromValue(QDBusVariant(0)), 0u});
    const int newId = idOf(service, QStringLiteral("New"));
    const auto newItem = std::static_pointer_cast<CountingItem>(menu->items().front());
    const QDBusMessage clicked =
        call(service, menuPath, menuInterface, QStringLiteral("Event"),
             {newId, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
    EXPECT_EQ(clicked.type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(processEventsUntil([&] { return newItem->performed == 1; }));
    EXPECT_EQ(menu->events.mid(1, 2), texts({"open", "close"}));

    // A disabled entry cannot be chosen.
    const int removeId = idOf(service, QStringLiteral("Remove"));
    const auto removeItem = std::static_pointer_cast<CountingItem>(menu->items().at(1));
    call(service, menuPath, menuInterface, QStringLiteral("Event"),
         {removeId, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
    sync(service);
    EXPECT_EQ(removeItem->performed, 0);

    // Hosts that leave clicks to the item get the same menu where they ask.
    call(service, itemPath, itemInterface, QStringLiteral("Activate"), {10, 20});
    call(service, itemPath, itemInterface, QStringLiteral("ContextMenu"), {30, 40});
    ASSERT_EQ(popups.size(), 2u);
    EXPECT_EQ(popups[0].first, menu);
    EXPECT_EQ(popups[0].second, QPoint(10, 20));
    EXPECT_EQ(popups[1].second, QPoint(30, 40));
}

TEST_F(TrayOnBus, AHostOpensASubmenuOnItsOwn) {
    watcher = std::make_unique<FakeWatcher>(bus.address(), true);
    auto submenu = std::make_shared<RecordingMenu>();
    submenu->build = [](RecordingMenu& self) { self.addItem(item(QStringLiteral("About"))); };
    auto menu = std::make_shared<RecordingMenu>();
    menu->build = [&](RecordingMenu& self) {
        auto more = item(QStringLiteral("More"));
        more->setSubmenu(submenu);
        self.addItem(more);
    };
    auto trayItem = addItem(QStringLiteral("—"), menu);
    ASSERT_TRUE(processEventsUntil([&] { return trayItem->isVisible(); }));
    const QString service = trayItem->serviceName();
    const int moreId = idOf(service, QStringLiteral("More"));
    ASSERT_GT(moreId, 0);

    EXPECT_EQ(
        call(service, menuPath, menuInterface, QStringLiteral("AboutToShow"), {moreId}).type(),
        QDBusMessage::ReplyMessage);
    const QDBusMessage reply = call(service, menuPath, menuInterface, QStringLiteral("GetLayout"),
                                    {moreId, -1, QStringList()});
    DBusMenuLayoutItem more;
    reply.arguments().value(1).value<QDBusArgument>() >> more;
    ASSERT_EQ(more.children.size(), 1);
    EXPECT_EQ(more.children[0].properties.value(QStringLiteral("label")), QStringLiteral("About"));
    call(service, menuPath, menuInterface, QStringLiteral("Event"),
         {moreId, QStringLiteral("opened"), QVariant::fromValue(QDBusVariant(0)), 0u});
    call(service, menuPath, menuInterface, QStringLiteral("Event"),
         {moreId, QStringLiteral("closed"), QVariant::fromValue(QDBusVariant(0)), 0u});
    EXPECT_EQ(submenu->events, texts({"update", "open", "close"}));
}

TEST_F(TrayOnBus, AHostThatAsksInGroupsGetsTheSameAndHearsOfUnknownEntries) {
    watcher = std::make_unique<FakeWatcher>(bus.address(), true);
    bool canRemove = true;
    auto menu = separatorMenu(canRemove);
    auto item = addItem(QStringLiteral("—"), menu);
    ASSERT_TRUE(processEventsUntil([&] { return item->isVisible(); }));
    const QString service = item->serviceName();

    const QDBusMessage shown =
        call(service, menuPath, menuInterface, QStringLiteral("AboutToShowGroup"),
             {QVariant::fromValue(QList<int>{0, 999})});
    ASSERT_EQ(shown.type(), QDBusMessage::ReplyMessage) << shown.errorMessage().toStdString();
    EXPECT_EQ(qdbus_cast<QList<int>>(shown.arguments().value(1)), QList<int>{999});

    const int removeId = idOf(service, QStringLiteral("Remove"));
    // Taken now: choosing it has the menu rebuilt with new items.
    const auto removeItem = std::static_pointer_cast<CountingItem>(menu->items().at(1));
    platform::xdg::DBusMenuEventList events{
        {0, QStringLiteral("opened"), QDBusVariant(0), 0},
        {removeId, QStringLiteral("clicked"), QDBusVariant(0), 0},
        {999, QStringLiteral("clicked"), QDBusVariant(0), 0},
        {0, QStringLiteral("closed"), QDBusVariant(0), 0}};
    const QDBusMessage handled = call(service, menuPath, menuInterface,
                                      QStringLiteral("EventGroup"), {QVariant::fromValue(events)});
    ASSERT_EQ(handled.type(), QDBusMessage::ReplyMessage) << handled.errorMessage().toStdString();
    EXPECT_EQ(qdbus_cast<QList<int>>(handled.arguments().value(0)), QList<int>{999});
    EXPECT_TRUE(processEventsUntil([&] { return removeItem->performed == 1; }));

    const QDBusMessage properties = call(
        service, menuPath, menuInterface, QStringLiteral("GetGroupProperties"),
        {QVariant::fromValue(QList<int>{removeId, 999}), QStringList{QStringLiteral("label")}});
    ASSERT_EQ(properties.type(), QDBusMessage::ReplyMessage)
        << properties.errorMessage().toStdString();
    platform::xdg::DBusMenuItemList found;
    properties.arguments().value(0).value<QDBusArgument>() >> found;
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].properties.value(QStringLiteral("label")), QStringLiteral("Remove"));
}

TEST_F(TrayOnBus, MalformedAndStaleCallsGetErrorRepliesAndChangeNothing) {
    watcher = std::make_unique<FakeWatcher>(bus.address(), true);
    auto menu = std::make_shared<RecordingMenu>();
    menu->addItem(item(QStringLiteral("Gone soon")));
    auto item = addItem(QStringLiteral("—"), menu);
    ASSERT_TRUE(processEventsUntil([&] { return item->isVisible(); }));
    const QString service = item->serviceName();
    const int goneId = idOf(service, QStringLiteral("Gone soon"));
    ASSERT_GT(goneId, 0);

    EXPECT_EQ(call(service, menuPath, menuInterface, QStringLiteral("GetLayout"),
                   {999, -1, QStringList()})
                  .type(),
              QDBusMessage::ErrorMessage);
    EXPECT_EQ(call(service, menuPath, menuInterface, QStringLiteral("Event"),
                   {QStringLiteral("not an id")})
                  .type(),
              QDBusMessage::ErrorMessage);
    EXPECT_EQ(call(service, menuPath, menuInterface, QStringLiteral("GetProperty"),
                   {goneId, QStringLiteral("no-such-property")})
                  .type(),
              QDBusMessage::ErrorMessage);
    EXPECT_EQ(
        call(service, itemPath, itemInterface, QStringLiteral("Activate"), {QStringLiteral("x")})
            .type(),
        QDBusMessage::ErrorMessage);

    menu->removeAllItems();
    call(service, menuPath, menuInterface, QStringLiteral("AboutToShow"), {0});
    EXPECT_EQ(call(service, menuPath, menuInterface, QStringLiteral("Event"),
                   {goneId, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u})
                  .type(),
              QDBusMessage::ErrorMessage);
    EXPECT_TRUE(layout(service).children.isEmpty());
}

TEST_F(TrayOnBus, AMenuIsBuiltOnceAskedForAndAnnouncesANewLayoutOnlyWhenTheTreeChanged) {
    watcher = std::make_unique<FakeWatcher>(bus.address(), true);
    bool canRemove = false;
    bool withTip = false;
    auto menu = std::make_shared<RecordingMenu>();
    menu->build = [&](RecordingMenu& self) {
        if (withTip)
            self.addItem(tray_testing::item(QStringLiteral("Tip"), false));
        buildSeparatorMenu(self, canRemove, QStringLiteral("—"));
    };
    auto item = addItem(QStringLiteral("—"), menu);
    ASSERT_TRUE(processEventsUntil([&] { return item->isVisible(); }));
    const QString service = item->serviceName();
    // Fifty items whose menus nobody opens hold no fifty menus.
    item->button().setTitle(QStringLiteral("|"));
    sync(service);
    EXPECT_TRUE(menu->events.isEmpty());
    EXPECT_TRUE(menu->items().empty());
    SignalCounter layouts;
    SignalCounter properties;
    host.connect(service, menuPath, menuInterface, QStringLiteral("LayoutUpdated"), &layouts,
                 SLOT(record()));
    host.connect(service, menuPath, menuInterface, QStringLiteral("ItemsPropertiesUpdated"),
                 &properties, SLOT(record()));
    // A round trip, so that the bus has the host's interest in the signals.
    EXPECT_EQ(layout(service).children.size(), 13);
    EXPECT_EQ(menu->events, texts({"update"}));

    canRemove = true;
    item->button().setTitle(QStringLiteral("·"));
    ASSERT_TRUE(processEventsUntil([&] { return properties.count == 1; }));
    EXPECT_EQ(layouts.count, 0);

    withTip = true;
    item->button().setAppearsDisabled(true);
    ASSERT_TRUE(processEventsUntil([&] { return layouts.count == 1; }));
    EXPECT_EQ(layout(service).children.size(), 14);
}

TEST_F(TrayOnBus, ReleasingAnItemTakesItOffTheBusAtOnce) {
    watcher = std::make_unique<FakeWatcher>(bus.address(), true);
    auto item = addItem(QStringLiteral("—"));
    ASSERT_TRUE(processEventsUntil([&] { return item->isVisible(); }));
    const QString service = item->serviceName();
    items.clear();
    item.reset();
    EXPECT_TRUE(processEventsUntil(
        [&] { return !host.interface()->isServiceRegistered(service).value(); }));
}

} // namespace
