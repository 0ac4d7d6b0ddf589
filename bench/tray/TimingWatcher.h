// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

// A tray watcher that does nothing but note when each item registers, with a
// host always present: the measurement is of Gapsel, not of a panel.
class TimingWatcher : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

public:
    // Takes the watcher's name on the bus at `address`; `clock` is the
    // measurement's clock.
    TimingWatcher(const QString& address, const QElapsedTimer& clock);
    ~TimingWatcher() override;

    QStringList items() const { return items_; }
    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    // When the last registration came, in ms on the clock.
    qint64 lastRegistrationMs() const { return lastRegistrationMs_; }
    void forget() { items_.clear(); }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service);
    void RegisterStatusNotifierHost(const QString&) {}

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString& service);
    void StatusNotifierItemUnregistered(const QString& service);
    void StatusNotifierHostRegistered();
    void StatusNotifierHostUnregistered();

private:
    const QElapsedTimer& clock_;
    QStringList items_;
    qint64 lastRegistrationMs_ = 0;
};
