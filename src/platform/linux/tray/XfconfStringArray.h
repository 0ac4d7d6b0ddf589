// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>

#include <optional>

namespace platform::xdg {

// One xfconf setting that holds a list of strings (such as the Ids XFCE's
// status tray shows, in order, in xfce4-panel's /plugins/plugin-N/known-items),
// read and written at once through the xfconf daemon, which tells the panel.
class XfconfStringArray {
public:
    XfconfStringArray(QDBusConnection bus, QString channel, QString property);

    // Absent when the daemon does not answer; empty when the list is not set.
    std::optional<QStringList> read() const;
    bool write(const QStringList& ids) const;

private:
    QDBusConnection bus_;
    QString channel_;
    QString property_;
};

// A call of `method` on the xfconf daemon.
QDBusMessage xfconfCall(const char* method);

// The strings of the daemon's answer to GetProperty: empty when the setting is
// not set, none when it answered with another error.
std::optional<QStringList> xfconfStrings(const QDBusMessage& reply);

// An xfconf array of strings as xfconfd sends it (an array of variants, or of
// strings), or a plain string list, as a list.
QStringList xfconfStrings(const QVariant& value);

} // namespace platform::xdg
