// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/linux/tray/DBusMenuExporter.h"
#include "platform/linux/tray/NotifierItemObject.h"
#include "platform/linux/tray/WatcherRegistration.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace platform::xdg {

class RegistrationScheduler;

// Opens a new, separate connection to the session bus under the given
// connection name. Tests hand in one that opens their private bus.
using BusConnector = std::function<QDBusConnection(const QString& connectionName)>;
BusConnector sessionBusConnector();

// One tray item on the bus: its own connection and well-known name (XFCE's
// tray shows only one item per connection), the item and its menu exported
// there, and the registration with the watcher, which waits its turn with the
// scheduler.
class TrayItemExport : public QObject {
    Q_OBJECT

public:
    static QString itemPath() { return QStringLiteral("/StatusNotifierItem"); }

    // `serviceName` is the well-known name to own, unique in the session.
    // `answersActivate`: the item offers Activate and ContextMenu, which a
    // host then calls on a click.
    TrayItemExport(BusConnector connector, QString serviceName, bool answersActivate,
                   QPointer<RegistrationScheduler> scheduler, QObject* parent = nullptr);
    ~TrayItemExport() override;

    // Connects, exports and asks for its turn to register, once. Without a
    // bus the item stays unseen.
    void start();
    // Leaves the bus at once, so that hosts drop the item now rather than
    // when this object is finally deleted.
    void withdraw();
    // Leaves the bus and comes back under the well-known name `serviceName`.
    void startAs(QString serviceName);
    // Leaves the bus, or does not come to it, until startAs.
    void holdBack();

    // For the scheduler: registers with the watcher now, or first leaves the
    // bus and comes back on a new connection. `answered` runs once the
    // watcher replied.
    void registerWithWatcher(std::function<void()> answered);
    void registerAnew(std::function<void()> answered);

    NotifierItemObject& item() { return *item_; }
    DBusMenuExporter& menu() { return *menu_; }
    const QString& serviceName() const { return serviceName_; }
    // The connection's unique name, by which watchers know the item; empty
    // while it is not on the bus.
    QString uniqueName() const { return connection_ ? connection_->baseService() : QString(); }

private:
    void connectAndExport();
    void disconnectFromBus();

    BusConnector connector_;
    QString serviceName_;
    NotifierItemObject* item_;
    DBusMenuExporter* menu_;
    QPointer<RegistrationScheduler> scheduler_;
    bool started_ = false;
    bool held_ = false;
    int connections_ = 0;
    std::unique_ptr<QDBusConnection> connection_;
    WatcherRegistration* registration_ = nullptr;
};

} // namespace platform::xdg
