// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TrayItemExport.h"

#include "dbusmenuadaptor.h"
#include "notifieritemadaptor.h"

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

TrayItemExport::TrayItemExport(BusConnector connector, QString serviceName, QObject* parent)
    : QObject(parent)
    , connector_(std::move(connector))
    , serviceName_(std::move(serviceName))
    , item_(new NotifierItemObject(this))
    , menu_(new DBusMenuExporter(this)) {
    registerDBusTypes();
    new NotifierItemAdaptor(item_);
    new DBusMenuAdaptor(menu_);
}

TrayItemExport::~TrayItemExport() {
    withdraw();
}

void TrayItemExport::start() {
    if (started_)
        return;
    started_ = true;
    connection_ = std::make_unique<QDBusConnection>(connector_(serviceName_));
    if (!connection_->isConnected())
        return;
    connection_->registerObject(itemPath(), item_, QDBusConnection::ExportAdaptors);
    connection_->registerObject(NotifierItemObject::menuPath(), menu_,
                                QDBusConnection::ExportAdaptors);
    // Asked for without waiting: the bus handles a connection's messages in
    // order, so the name is taken before the watcher hears of it.
    QDBusMessage requestName = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
    requestName << serviceName_ << doNotQueue;
    connection_->send(requestName);
    registration_ = new WatcherRegistration(*connection_, serviceName_, this);
    registration_->start();
}

void TrayItemExport::startAs(QString serviceName) {
    withdraw();
    serviceName_ = std::move(serviceName);
    started_ = false;
    start();
}

void TrayItemExport::withdraw() {
    if (!connection_)
        return;
    delete registration_;
    registration_ = nullptr;
    const QString name = connection_->name();
    connection_.reset();
    QDBusConnection::disconnectFromBus(name);
}

} // namespace platform::xdg
