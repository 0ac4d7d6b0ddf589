// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QDBusArgument>
#include <QDBusVariant>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// The structures of the tray protocols as they travel on the bus, and every
// conversion between them and Qt's values. Only this file knows the wire
// layouts.

namespace platform::xdg {

// One icon bitmap: (iiay), pixels as straight ARGB32 in network byte order.
struct DBusImage {
    int width = 0;
    int height = 0;
    QByteArray pixels;
};
using DBusImageList = QList<DBusImage>;

// (sa(iiay)ss): icon name, icon bitmaps, title, description.
struct DBusToolTip {
    QString iconName;
    DBusImageList images;
    QString title;
    QString description;
};

// (ia{sv}av): one menu entry with its properties and, as variants that wrap
// the same structure, its children.
struct DBusMenuLayoutItem {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayoutItem> children;
};

// (ia{sv}): the properties of one menu entry.
struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItemList = QList<DBusMenuItem>;

// (ias): names of properties an entry no longer has.
struct DBusMenuItemKeys {
    int id = 0;
    QStringList names;
};
using DBusMenuItemKeysList = QList<DBusMenuItemKeys>;

// (isvu): one event a host reports about an entry.
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using DBusMenuEventList = QList<DBusMenuEvent>;

// Makes the types above known to Qt's meta-type system and to QtDBus, under
// the names the generated adaptors use. Without the names, QtDBus silently
// leaves every method, signal and property that uses them out of an exported
// interface. Safe to call more than once.
void registerDBusTypes();

// The image as the bus carries it: converted to straight ARGB32, each pixel
// in network byte order.
DBusImage toDBusImage(const QImage& image);

// A structure of `fields`, in order, written to or read from the bus.
template <class... Fields>
QDBusArgument& writeStructure(QDBusArgument& argument, const Fields&... fields) {
    argument.beginStructure();
    (argument << ... << fields);
    argument.endStructure();
    return argument;
}
template <class... Fields>
const QDBusArgument& readStructure(const QDBusArgument& argument, Fields&... fields) {
    argument.beginStructure();
    (argument >> ... >> fields);
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusImage& image);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusImage& image);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusToolTip& toolTip);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusToolTip& toolTip);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemKeys& keys);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemKeys& keys);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event);

} // namespace platform::xdg

// The generated adaptors name these types without their namespace.
using DBusImageList = platform::xdg::DBusImageList;
using DBusToolTip = platform::xdg::DBusToolTip;
using DBusMenuLayoutItem = platform::xdg::DBusMenuLayoutItem;
using DBusMenuItemList = platform::xdg::DBusMenuItemList;
using DBusMenuItemKeysList = platform::xdg::DBusMenuItemKeysList;
using DBusMenuEventList = platform::xdg::DBusMenuEventList;

Q_DECLARE_METATYPE(platform::xdg::DBusImage)
Q_DECLARE_METATYPE(platform::xdg::DBusToolTip)
Q_DECLARE_METATYPE(platform::xdg::DBusMenuLayoutItem)
Q_DECLARE_METATYPE(platform::xdg::DBusMenuItem)
Q_DECLARE_METATYPE(platform::xdg::DBusMenuItemKeys)
Q_DECLARE_METATYPE(platform::xdg::DBusMenuEvent)
