// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/linux/tray/DBusTypes.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QObject>

namespace e2e {

// Another program's item in the tray: a plain red square with an Id and a
// title, registered with the watcher now and whenever a watcher appears.
class OtherTrayItem : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QString IconName READ noName)
    Q_PROPERTY(platform::xdg::DBusImageList IconPixmap READ iconPixmap)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

public:
    static QRgb colour() { return qRgb(255, 0, 0); }

    // Joins the bus at `busAddress` under a name of its own.
    OtherTrayItem(const QString& busAddress, QString id, QString title);
    ~OtherTrayItem() override;

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return id_; }
    QString title() const { return title_; }
    QString status() const { return QStringLiteral("Active"); }
    QString noName() const { return {}; }
    platform::xdg::DBusImageList iconPixmap() const;
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return QDBusObjectPath(QStringLiteral("/NO_DBUSMENU")); }

public Q_SLOTS:
    void Activate(int, int) {}

private:
    void registerWithWatcher();

    QString id_;
    QString title_;
    QString service_;
    QDBusConnection bus_;
    QDBusServiceWatcher watcher_;
};

} // namespace e2e
