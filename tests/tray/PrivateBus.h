// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/linux/tray/TrayItemExport.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QProcess>

namespace tray_testing {

// A D-Bus daemon of the test's own, so that tests never touch the user's
// session bus and can start and stop services on it at will.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    const QString& address() const { return address_; }
    // A new connection of its own under `name`.
    QDBusConnection connect(const QString& name) const;
    platform::xdg::BusConnector connector() const;

private:
    QProcess daemon_;
    QString address_;
};

// Calls a method over the bus and runs the event loop until the answer is
// there, so that objects of this very process can answer it.
QDBusMessage callAndWait(const QDBusConnection& connection, const QDBusMessage& call);

// Counts the signals it is connected to.
class SignalCounter : public QObject {
    Q_OBJECT
public:
    int count = 0;
public Q_SLOTS:
    void record() { ++count; }
};

} // namespace tray_testing
