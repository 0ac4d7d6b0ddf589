// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QDBusConnection>
#include <QDBusVariant>
#include <QObject>
#include <QStringList>

#include <functional>

namespace platform::xdg {

// The Ids XFCE's status tray plugin N has recorded, from the xfconf setting
// /plugins/plugin-N/known-items of the channel xfce4-panel: read once, then
// followed as the panel changes it.
class XfconfKnownItems : public QObject {
    Q_OBJECT

public:
    // `read` gets the Ids after the first reading, or nothing when xfconf
    // cannot be asked; `changed` gets every later list.
    XfconfKnownItems(QDBusConnection bus, int plugin,
                     std::function<void(std::optional<QStringList>)> read,
                     std::function<void(QStringList)> changed, QObject* parent = nullptr);

private Q_SLOTS:
    void propertyChanged(const QString& channel, const QString& property,
                         const QDBusVariant& value);

private:
    QDBusConnection bus_;
    QString property_;
    std::function<void(QStringList)> changed_;
};

} // namespace platform::xdg
