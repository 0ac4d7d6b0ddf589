// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "OtherTrayItem.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QImage>

namespace e2e {

namespace {
const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
} // namespace

OtherTrayItem::OtherTrayItem(const QString& busAddress, QString id, QString title, QThread& thread)
    : id_(std::move(id))
    , title_(std::move(title))
    , service_(QStringLiteral("org.kde.StatusNotifierItem-%1-other")
                   .arg(QCoreApplication::applicationPid()))
    , bus_(QDBusConnection::connectToBus(busAddress, service_))
    , watcher_(new QDBusServiceWatcher(watcherService, bus_,
                                       QDBusServiceWatcher::WatchForRegistration, this)) {
    platform::xdg::registerDBusTypes();
    bus_.registerObject(QStringLiteral("/StatusNotifierItem"), this,
                        QDBusConnection::ExportAllProperties | QDBusConnection::ExportAllSlots);
    bus_.interface()->registerService(service_);
    connect(watcher_, &QDBusServiceWatcher::serviceRegistered, this,
            [this] { registerWithWatcher(); });
    registerWithWatcher();
    moveToThread(&thread);
}

OtherTrayItem::~OtherTrayItem() {
    QDBusConnection::disconnectFromBus(service_);
}

platform::xdg::DBusImageList OtherTrayItem::iconPixmap() const {
    QImage square(22, 22, QImage::Format_ARGB32);
    square.fill(colour());
    return {platform::xdg::toDBusImage(square)};
}

void OtherTrayItem::registerWithWatcher() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        watcherService, QStringLiteral("/StatusNotifierWatcher"), watcherService,
        QStringLiteral("RegisterStatusNotifierItem"));
    call << service_;
    bus_.asyncCall(call);
}

OtherProgram::OtherProgram(const QString& busAddress, const QString& id, const QString& title) {
    thread_.start();
    item_ = std::make_unique<OtherTrayItem>(busAddress, id, title, thread_);
}

OtherProgram::~OtherProgram() {
    thread_.quit();
    thread_.wait();
    item_.reset();
}

} // namespace e2e
