// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/RegistrationScheduler.h"

#include "platform/linux/tray/XfconfKnownItems.h"

#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>

namespace platform::xdg {

RegistrationScheduler::RegistrationScheduler(BusConnector connector, const TrayHosts& hosts,
                                             QObject* parent)
    : QObject(parent)
    , connector_(std::move(connector))
    , hosts_(hosts)
    , queue_({
          [this](RegistrationQueue::Key key) { registerItem(key, false); },
          [this](RegistrationQueue::Key key) { registerItem(key, true); },
          [this] { recordWait_.start(); },
      }) {
    recordWait_.setSingleShot(true);
    recordWait_.setInterval(recordWaitMs);
    connect(&recordWait_, &QTimer::timeout, this, [this] { queue_.recordWaitElapsed(); });
    hostRetry_.setSingleShot(true);
    hostRetry_.setInterval(hostRetryMs);
    connect(&hostRetry_, &QTimer::timeout, this, [this] { decidePacing(); });
}

// On the first item's request: a program without items needs no connection.
void RegistrationScheduler::watchTheWatcher() {
    if (connection_)
        return;
    static int schedulers = 0;
    connection_ = connector_(QStringLiteral("gapsel-tray-scheduler-%1").arg(++schedulers));
    if (!connection_->isConnected())
        return;
    hasWatcher_ =
        connection_->interface()->isServiceRegistered(WatcherRegistration::watcherService());
    watcherOwner_ = new QDBusServiceWatcher(WatcherRegistration::watcherService(), *connection_,
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcherOwner_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                watcherOwnerChanged(newOwner);
            });
}

void RegistrationScheduler::watcherOwnerChanged(const QString& newOwner) {
    hasWatcher_ = !newOwner.isEmpty();
    // A new watcher may belong to another host.
    pacingDecided_ = false;
    hostAsked_ = 0;
    hostRetry_.stop();
    delete knownItems_;
    knownItems_ = nullptr;
    if (!hasWatcher_)
        return;
    // Items that waited for a watcher go as its host needs them to: on XFCE
    // paced, or it records only some of them.
    decidePacing();
    for (auto item = items_.cbegin(); item != items_.cend(); ++item)
        if (item.value())
            queue_.enqueue(item.key(), item.value()->item().id());
}

void RegistrationScheduler::enqueue(TrayItemExport* item) {
    watchTheWatcher();
    RegistrationQueue::Key& key = keys_[item];
    if (key == 0) {
        key = nextKey_++;
        items_.insert(key, item);
    }
    decidePacing();
    queue_.enqueue(key, item->item().id());
}

void RegistrationScheduler::forget(TrayItemExport* item) {
    const auto found = keys_.constFind(item);
    if (found == keys_.cend())
        return;
    const RegistrationQueue::Key key = found.value();
    keys_.erase(found);
    items_.remove(key);
    queue_.forget(key);
}

void RegistrationScheduler::registerItem(RegistrationQueue::Key key, bool anew) {
    TrayItemExport* item = items_.value(key);
    if (!item) {
        queue_.forget(key);
        return;
    }
    auto answered = [this, key] { queue_.registrationAnswered(key); };
    // Without a watcher there is no one to ask: the items go once one comes.
    if (!hasWatcher_)
        answered();
    else if (anew)
        item->registerAnew(answered);
    else
        item->registerWithWatcher(answered);
}

void RegistrationScheduler::decidePacing() {
    if (pacingDecided_ || !hasWatcher_ || hostRetry_.isActive())
        return;
    if (!hosts_.hasWatcher() && ++hostAsked_ <= hostRetries) {
        queue_.setPacing(RegistrationQueue::Pacing::Undecided);
        hostRetry_.start();
        return;
    }
    pacingDecided_ = true;
    const TrayHost host = hosts_.primary();
    if (host.kind != TrayHostKind::Xfce || host.xfcePlugin < 0) {
        queue_.setPacing(RegistrationQueue::Pacing::None);
        return;
    }
    queue_.setPacing(RegistrationQueue::Pacing::Undecided);
    knownItems_ = new XfconfKnownItems(
        *connection_, host.xfcePlugin,
        [this](const std::optional<QStringList>& ids) {
            if (ids)
                queue_.recordedIdsChanged(*ids);
            queue_.setPacing(ids ? RegistrationQueue::Pacing::AwaitRecord
                                 : RegistrationQueue::Pacing::None);
        },
        [this](const QStringList& ids) { queue_.recordedIdsChanged(ids); }, this);
}

} // namespace platform::xdg
