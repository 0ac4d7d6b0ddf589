// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/DBusTypes.h"

#include <QDBusMetaType>
#include <QtEndian>

namespace platform::xdg {

namespace {
template <typename T> void registerUnder(const char* name) {
    qRegisterMetaType<T>(name);
    qDBusRegisterMetaType<T>();
}
} // namespace

void registerDBusTypes() {
    registerUnder<DBusImage>("DBusImage");
    registerUnder<DBusImageList>("DBusImageList");
    registerUnder<DBusToolTip>("DBusToolTip");
    registerUnder<DBusMenuLayoutItem>("DBusMenuLayoutItem");
    registerUnder<DBusMenuItem>("DBusMenuItem");
    registerUnder<DBusMenuItemList>("DBusMenuItemList");
    registerUnder<DBusMenuItemKeys>("DBusMenuItemKeys");
    registerUnder<DBusMenuItemKeysList>("DBusMenuItemKeysList");
    registerUnder<DBusMenuEvent>("DBusMenuEvent");
    registerUnder<DBusMenuEventList>("DBusMenuEventList");
    // A menu entry's "shortcut" property: aas.
    qDBusRegisterMetaType<QList<QStringList>>();
}

DBusImage toDBusImage(const QImage& image) {
    // Icons are drawn premultiplied, and unpremultiplied here pixel by pixel:
    // QImage's own conversion would start Qt's thread pool for it.
    const bool premultiplied = image.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage source = premultiplied || image.format() == QImage::Format_ARGB32
                              ? image
                              : image.convertToFormat(QImage::Format_ARGB32);
    DBusImage result{source.width(), source.height(), {}};
    result.pixels.resize(qsizetype{4} * source.width() * source.height());
    auto* out = reinterpret_cast<quint32*>(result.pixels.data());
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x)
            qToBigEndian(premultiplied ? qUnpremultiply(line[x]) : line[x], out++);
    }
    return result;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusImage& image) {
    return writeStructure(argument, image.width, image.height, image.pixels);
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusImage& image) {
    return readStructure(argument, image.width, image.height, image.pixels);
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusToolTip& toolTip) {
    return writeStructure(argument, toolTip.iconName, toolTip.images, toolTip.title,
                          toolTip.description);
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusToolTip& toolTip) {
    return readStructure(argument, toolTip.iconName, toolTip.images, toolTip.title,
                         toolTip.description);
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item) {
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.beginArray(QMetaType::fromType<QDBusVariant>());
    for (const DBusMenuLayoutItem& child : item.children)
        argument << QDBusVariant(QVariant::fromValue(child));
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item) {
    argument.beginStructure();
    argument >> item.id >> item.properties;
    item.children.clear();
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant wrapped;
        argument >> wrapped;
        const QVariant child = wrapped.variant();
        if (child.metaType() == QMetaType::fromType<DBusMenuLayoutItem>()) {
            item.children.append(child.value<DBusMenuLayoutItem>());
            continue;
        }
        DBusMenuLayoutItem childItem;
        child.value<QDBusArgument>() >> childItem;
        item.children.append(childItem);
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItem& item) {
    return writeStructure(argument, item.id, item.properties);
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItem& item) {
    return readStructure(argument, item.id, item.properties);
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemKeys& keys) {
    return writeStructure(argument, keys.id, keys.names);
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemKeys& keys) {
    return readStructure(argument, keys.id, keys.names);
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event) {
    return writeStructure(argument, event.id, event.eventId, event.data, event.timestamp);
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event) {
    return readStructure(argument, event.id, event.eventId, event.data, event.timestamp);
}

} // namespace platform::xdg
