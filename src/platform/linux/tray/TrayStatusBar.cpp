// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TrayStatusBar.h"

#include "platform/linux/tray/TrayItemRepresentation.h"

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

TrayStatusBar::TrayStatusBar(QString itemKind, TrayHosts& hosts, BusConnector connector,
                             MenuPopup popup)
    : itemKind_(std::move(itemKind))
    , hosts_(hosts)
    , connector_(std::move(connector))
    , popup_(std::move(popup))
    , scheduler_(new RegistrationScheduler(connector_, hosts_))
    , docking_(std::make_shared<XEmbedDocking>(hosts)) {}

TrayStatusBar::~TrayStatusBar() {
    // Items deleted later still tell it when they go.
    scheduler_->deleteLater();
}

// The name hosts know the item by on the bus, unique for this process's life.
QString newItemServiceName() {
    return QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(nextItemNumber());
}

std::shared_ptr<StatusItem> TrayStatusBar::statusItem(double length) {
    const TrayItemRepresentation representation = representationFor(hosts_.primary().kind);
    auto* itemExport = new TrayItemExport(connector_, newItemServiceName(),
                                          representation.answersActivate, scheduler_);
    auto item = std::make_shared<TrayStatusItem>(itemExport, itemKind_, representation, icons_,
                                                 popup_, docking_);
    item->setLength(length);
    items_.add(item);
    return item;
}

} // namespace platform::xdg
