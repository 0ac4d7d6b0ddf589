// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/linux/tray/DBusMenuExporter.h"
#include "platform/linux/tray/NotifierItemObject.h"
#include "platform/linux/tray/WatcherRegistration.h"

#include <QDBusConnection>
#include <QObject>

#include <functional>
#include <memory>

namespace platform::xdg {

// Opens a new, separate connection to the session bus under the given
// connection name. Tests hand in one that opens their private bus.
using BusConnector = std::function<QDBusConnection(const QString& connectionName)>;
BusConnector sessionBusConnector();

// One tray item on the bus: its own connection and well-known name (XFCE's
// tray shows only one item per connection), the item and its menu exported
// there, and the registration with the watcher.
class TrayItemExport : public QObject {
    Q_OBJECT

public:
    static QString itemPath() { return QStringLiteral("/StatusNotifierItem"); }

    // `serviceName` is the well-known name to own, unique in the session.
    TrayItemExport(BusConnector connector, QString serviceName, QObject* parent = nullptr);
    ~TrayItemExport() override;

    // Connects, exports and registers, once. Without a bus the item stays
    // unseen.
    void start();
    // Leaves the bus at once, so that hosts drop the item now rather than
    // when this object is finally deleted.
    void withdraw();
    // Leaves the bus and comes back under the well-known name `serviceName`.
    void startAs(QString serviceName);

    NotifierItemObject& item() { return *item_; }
    DBusMenuExporter& menu() { return *menu_; }
    const QString& serviceName() const { return serviceName_; }
    bool isVisible() const { return registration_ && registration_->isVisible(); }

private:
    BusConnector connector_;
    QString serviceName_;
    NotifierItemObject* item_;
    DBusMenuExporter* menu_;
    bool started_ = false;
    std::unique_ptr<QDBusConnection> connection_;
    WatcherRegistration* registration_ = nullptr;
};

} // namespace platform::xdg
