// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TrayItemExport.h"

#include "activatableitemadaptor.h"
#include "dbusmenuadaptor.h"
#include "notifieritemadaptor.h"
#include "platform/linux/tray/RegistrationScheduler.h"

#include <QDBusMessage>

namespace platform::xdg {

namespace {
// RequestName's flag: fail rather than wait for the name.
constexpr uint doNotQueue = 4;
} // namespace

BusConnector sessionBusConnector() {
    return [](const QString& connectionName) {
        return QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName);
    };
}

TrayItemExport::TrayItemExport(BusConnector connector, QString serviceName, bool answersActivate,
                               QPointer<RegistrationScheduler> scheduler, QObject* parent)
    : QObject(parent)
    , connector_(std::move(connector))
    , serviceName_(std::move(serviceName))
    , item_(new NotifierItemObject(this))
    , menu_(new DBusMenuExporter(this))
    , scheduler_(std::move(scheduler)) {
    registerDBusTypes();
    // Hosts that find Activate call it on a click instead of opening the
    // menu themselves; GNOME's extension even holds the menu back for a
    // double click's time.
    if (answersActivate)
        new ActivatableItemAdaptor(item_);
    else
        new NotifierItemAdaptor(item_);
    new DBusMenuAdaptor(menu_);
}

TrayItemExport::~TrayItemExport() {
    withdraw();
}

void TrayItemExport::start() {
    if (started_ || held_)
        return;
    started_ = true;
    connectAndExport();
    if (scheduler_ && connection_->isConnected())
        scheduler_->enqueue(this);
}

void TrayItemExport::connectAndExport() {
    // Each connection gets a name of its own: the last one may still be
    // closing.
    connection_ = std::make_unique<QDBusConnection>(
        connector_(QStringLiteral("%1/%2").arg(serviceName_).arg(++connections_)));
    if (!connection_->isConnected())
        return;
    connection_->registerObject(itemPath(), item_, QDBusConnection::ExportAdaptors);
    connection_->registerObject(NotifierItemObject::menuPath(), menu_,
                                QDBusConnection::ExportAdaptors);
    // Asked for without waiting: the bus handles a connection's messages in
    // order, so the name is taken before the watcher hears of the item.
    QDBusMessage requestName = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
    requestName << serviceName_ << doNotQueue;
    connection_->send(requestName);
    registration_ = new WatcherRegistration(
        *connection_, itemPath(),
        [this] {
            if (scheduler_)
                scheduler_->enqueue(this);
        },
        this);
}

void TrayItemExport::registerWithWatcher(std::function<void()> answered) {
    if (!registration_) {
        answered();
        return;
    }
    registration_->registerItem(std::move(answered));
    item_->remindOfIcon();
}

void TrayItemExport::registerAnew(std::function<void()> answered) {
    disconnectFromBus();
    connectAndExport();
    registerWithWatcher(std::move(answered));
}

void TrayItemExport::startAs(QString serviceName) {
    withdraw();
    serviceName_ = std::move(serviceName);
    started_ = false;
    held_ = false;
    start();
}

void TrayItemExport::holdBack() {
    withdraw();
    held_ = true;
}

void TrayItemExport::withdraw() {
    if (scheduler_)
        scheduler_->forget(this);
    disconnectFromBus();
}

void TrayItemExport::disconnectFromBus() {
    if (!connection_)
        return;
    delete registration_;
    registration_ = nullptr;
    // Unexported first, so that calls still arriving on the closing
    // connection find no objects that may be deleted meanwhile.
    connection_->unregisterObject(itemPath());
    connection_->unregisterObject(NotifierItemObject::menuPath());
    const QString name = connection_->name();
    connection_.reset();
    QDBusConnection::disconnectFromBus(name);
}

} // namespace platform::xdg
