// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"
#include "platform/linux/tray/TrayHostClassification.h"
#include "platform/linux/tray/XEmbedTraySelection.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QFileSystemWatcher>
#include <QObject>

namespace platform::xdg {

// The tray hosts of this desktop session, read from the session bus: the
// process that owns the StatusNotifierWatcher name and those that own a
// StatusNotifierHost name, each known by its name in /proc. Without a watcher,
// an XEmbed tray of the X11 screen is the host. What it read is kept until
// the watcher changes hands, a host comes or goes, an XEmbed tray does, or
// LXQt's panel settings change (they may turn its order round).
class DesktopTrayHosts final : public QObject, public TrayHosts {
    Q_OBJECT

public:
    explicit DesktopTrayHosts(QDBusConnection bus = QDBusConnection::sessionBus(),
                              QString currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP"));

    bool hasWatcher() const override;
    QList<TrayHost> hosts() const override;

    TrayHostKind desktop() const override { return hostKindOfDesktop(currentDesktop_); }

private Q_SLOTS:
    void hostsChanged();

private:
    void readIfStale() const;
    void readHostSettings(TrayHost& host) const;
    void watchLxqtSettings() const;
    QList<TrayHost> statusNotifierHosts() const;
    bool watcherHasHost() const;
    std::optional<BusProcess> processOwning(const QString& busName) const;

    QDBusConnection bus_;
    QString currentDesktop_;
    QDBusServiceWatcher watcherOwner_;
    mutable QFileSystemWatcher lxqtSettings_;
    XEmbedTraySelection xembedTray_;
    mutable bool stale_ = true;
    mutable bool hasWatcher_ = false;
    mutable QList<TrayHost> hosts_;
};

} // namespace platform::xdg
