// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"
#include "platform/linux/tray/RegistrationQueue.h"
#include "platform/linux/tray/TrayItemExport.h"

#include <QDBusConnection>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <optional>

class QDBusServiceWatcher;

namespace platform::xdg {

class XfconfKnownItems;

// Lets the tray's items register one after another through a
// RegistrationQueue, in the order they were made: at first, and all of them
// again whenever a watcher appears or restarts. Paced by XFCE's record of
// known items when XFCE's status tray is the host.
class RegistrationScheduler : public QObject {
    Q_OBJECT

public:
    // How long an item waits for XFCE to record it before the next one goes.
    static constexpr int recordWaitMs = 2000;

    RegistrationScheduler(BusConnector connector, const TrayHosts& hosts,
                          QObject* parent = nullptr);

    void enqueue(TrayItemExport* item);
    void forget(TrayItemExport* item);

private:
    // Asking the host too early finds the answer it kept from before the
    // watcher came: asked again this often, this many times at most.
    static constexpr int hostRetryMs = 100;
    static constexpr int hostRetries = 20;

    void watchTheWatcher();
    void watcherOwnerChanged(const QString& newOwner);
    void decidePacing();
    void registerItem(RegistrationQueue::Key key, bool anew);

    BusConnector connector_;
    const TrayHosts& hosts_;
    RegistrationQueue queue_;
    QTimer recordWait_;
    QTimer hostRetry_;
    std::optional<QDBusConnection> connection_;
    QDBusServiceWatcher* watcherOwner_ = nullptr;
    bool hasWatcher_ = false;
    bool pacingDecided_ = false;
    int hostAsked_ = 0;
    XfconfKnownItems* knownItems_ = nullptr;
    RegistrationQueue::Key nextKey_ = 1;
    QHash<TrayItemExport*, RegistrationQueue::Key> keys_;
    // In the order the items came.
    QMap<RegistrationQueue::Key, QPointer<TrayItemExport>> items_;
};

} // namespace platform::xdg
