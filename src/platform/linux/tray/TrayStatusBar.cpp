// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TrayStatusBar.h"

#include "platform/linux/tray/TrayStatusItem.h"

#include <QCoreApplication>

namespace platform::xdg {

namespace {
// Bus names and connection names must not repeat within the process, even
// across status bars.
int nextItemNumber() {
    static int created = 0;
    return ++created;
}
} // namespace

TrayStatusBar::TrayStatusBar(QString appName, BusConnector connector)
    : appName_(std::move(appName))
    , connector_(std::move(connector)) {}

// The name hosts know the item by on the bus, unique for this process's life.
QString newItemServiceName() {
    return QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(nextItemNumber());
}

std::shared_ptr<StatusItem> TrayStatusBar::statusItem(double length) {
    auto item =
        std::make_shared<TrayStatusItem>(connector_, newItemServiceName(), appName_, icons_);
    item->setLength(length);
    items_.add(item);
    return item;
}

} // namespace platform::xdg
