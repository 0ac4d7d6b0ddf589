// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/HostHiddenItems.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace platform::xdg {

namespace {

using Groups = QHash<QString, QHash<QString, QString>>;

// KDE's configuration files: "[Containments][7][General]" headers, then
// key=value lines.
Groups readKdeConfig(const QString& text) {
    Groups groups;
    QString group;
    for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            group = line;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            groups[group].insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return groups;
}

QStringList commaList(const QString& value) {
    QStringList items = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString& item : items)
        item = item.trimmed();
    return items;
}

QString configHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QStringList variantToStrings(const QVariant& value) {
    if (value.canConvert<QDBusArgument>()) {
        QStringList strings;
        const QDBusArgument argument = value.value<QDBusArgument>();
        argument.beginArray();
        while (!argument.atEnd()) {
            QDBusVariant item;
            argument >> item;
            strings.append(item.variant().toString());
        }
        argument.endArray();
        return strings;
    }
    return value.toStringList();
}

// Every status tray plugin's hidden-items, as xfconfd holds them now.
QList<QStringList> xfceHiddenItemLists() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.xfce.Xfconf"), QStringLiteral("/org/xfce/Xfconf"),
        QStringLiteral("org.xfce.Xfconf"), QStringLiteral("GetAllProperties"));
    call << QStringLiteral("xfce4-panel") << QStringLiteral("/plugins");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 2000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    QList<QStringList> lists;
    const QDBusArgument properties = reply.arguments().first().value<QDBusArgument>();
    properties.beginMap();
    while (!properties.atEnd()) {
        QString name;
        QDBusVariant value;
        properties.beginMapEntry();
        properties >> name >> value;
        properties.endMapEntry();
        if (name.endsWith(QLatin1String("/hidden-items")))
            lists.append(variantToStrings(value.variant()));
    }
    properties.endMap();
    return lists;
}

QString readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

bool plasmaHides(const QString& appletsrc, const QString& id) {
    static const QRegularExpression containment(QStringLiteral(R"(^\[Containments\]\[\d+\]$)"));
    const Groups groups = readKdeConfig(appletsrc);
    for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
        if (!containment.match(group.key()).hasMatch() ||
            group->value(QStringLiteral("plugin")) !=
                QLatin1String("org.kde.plasma.private.systemtray"))
            continue;
        const auto general = groups.value(group.key() + QStringLiteral("[General]"));
        if (general.value(QStringLiteral("showAllItems")) == QLatin1String("true"))
            continue;
        if (commaList(general.value(QStringLiteral("hiddenItems"))).contains(id) ||
            commaList(general.value(QStringLiteral("disabledStatusNotifiers"))).contains(id))
            return true;
    }
    return false;
}

bool xfceHides(const QList<QStringList>& hiddenItemLists, const QString& id) {
    return std::any_of(hiddenItemLists.cbegin(), hiddenItemLists.cend(),
                       [&](const QStringList& hidden) { return hidden.contains(id); });
}

bool lxqtHides(const QString& panelConfPath, const QString& title) {
    QSettings settings(panelConfPath, QSettings::IniFormat);
    for (const QString& group : settings.childGroups()) {
        settings.beginGroup(group);
        const bool hides =
            settings.value(QStringLiteral("type")).toString() == QLatin1String("statusnotifier") &&
            settings.value(QStringLiteral("hideList")).toStringList().contains(title);
        settings.endGroup();
        if (hides)
            return true;
    }
    return false;
}

bool hostSettingHides(TrayHostKind host, const TrayItemNames& item) {
    switch (host) {
    case TrayHostKind::Plasma:
        return plasmaHides(
            readFile(configHome() + QStringLiteral("/plasma-org.kde.plasma.desktop-appletsrc")),
            item.id);
    case TrayHostKind::Xfce:
        return xfceHides(xfceHiddenItemLists(), item.id);
    case TrayHostKind::Lxqt:
        return lxqtHides(configHome() + QStringLiteral("/lxqt/panel.conf"), item.title);
    default:
        return false;
    }
}

} // namespace platform::xdg
