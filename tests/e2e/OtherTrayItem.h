// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/linux/tray/DBusTypes.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QThread>

#include <memory>

class QDBusServiceWatcher;

namespace e2e {

// Another program's item in the tray: a plain red square with an Id and a
// title, registered with the watcher now and whenever a watcher appears. It
// answers from a thread of its own, so that the test's blocking calls (and
// Gapsel's calls while the test waits on Gapsel) never wait on themselves.
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

    // Joins the bus at `busAddress` under a name of its own and moves to
    // `thread`, which runs until the item is gone.
    OtherTrayItem(const QString& busAddress, QString id, QString title, QThread& thread);
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
    QDBusServiceWatcher* watcher_;
};

// Another program's item on a desktop's bus, and the thread it answers from:
// both run until this ends.
class OtherProgram {
public:
    OtherProgram(const QString& busAddress, const QString& id, const QString& title);
    ~OtherProgram();
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

private:
    QThread thread_;
    std::unique_ptr<OtherTrayItem> item_;
};

} // namespace e2e
