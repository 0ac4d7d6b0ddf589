// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/DesktopTrayHosts.h"

#include "platform/linux/tray/LxqtPanelOrder.h"
#include "platform/linux/tray/TrayLog.h"
#include "platform/linux/tray/WatcherRegistration.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>

namespace platform::xdg {

namespace {
const QString hostNamePrefix = QStringLiteral("org.kde.StatusNotifierHost-");

// A host for the log: its program, and only the settings that apply to it.
QString described(const TrayHost& host) {
    QString text = host.process.isEmpty() ? QStringLiteral("unnamed program") : host.process;
    if (host.xfcePlugin >= 0)
        text += QStringLiteral(", status tray plugin %1").arg(host.xfcePlugin);
    if (host.reversed)
        text += QStringLiteral(", items in reverse order");
    return text;
}
} // namespace

DesktopTrayHosts::DesktopTrayHosts(QDBusConnection bus, QString currentDesktop)
    : bus_(std::move(bus))
    , currentDesktop_(std::move(currentDesktop))
    , watcherOwner_(WatcherRegistration::watcherService(), bus_,
                    QDBusServiceWatcher::WatchForOwnerChange) {
    connect(&watcherOwner_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            &DesktopTrayHosts::hostsChanged);
    connect(&xembedTray_, &XEmbedTraySelection::changed, this, &DesktopTrayHosts::hostsChanged);
    for (const char* signal : {"StatusNotifierHostRegistered", "StatusNotifierHostUnregistered"})
        bus_.connect(WatcherRegistration::watcherService(), WatcherRegistration::watcherPath(),
                     WatcherRegistration::watcherInterface(), QString::fromLatin1(signal), this,
                     SLOT(hostsChanged()));
    connect(&lxqtSettings_, &QFileSystemWatcher::fileChanged, this,
            &DesktopTrayHosts::hostsChanged);
    connect(&lxqtSettings_, &QFileSystemWatcher::directoryChanged, this,
            &DesktopTrayHosts::hostsChanged);
}

bool DesktopTrayHosts::hasWatcher() const {
    readIfStale();
    return hasWatcher_;
}

QList<TrayHost> DesktopTrayHosts::hosts() const {
    readIfStale();
    return hosts_;
}

void DesktopTrayHosts::hostsChanged() {
    stale_ = true;
    tellObservers();
}

std::optional<BusProcess> DesktopTrayHosts::processOwning(const QString& busName) const {
    const QDBusReply<uint> pid = bus_.interface()->servicePid(busName);
    if (!pid.isValid())
        return std::nullopt;
    return processOf(pid.value());
}

void DesktopTrayHosts::readIfStale() const {
    if (!stale_)
        return;
    stale_ = false;
    QList<TrayHost> found;
    const bool watcher = bus_.isConnected() && bus_.interface()->isServiceRegistered(
                                                   WatcherRegistration::watcherService());
    // A watcher that no host reads (kded started by a KDE program in an i3
    // session) shows nothing: an XEmbed tray beside it is where items are seen.
    if (watcher && !(xembedTray_.owner() && !watcherHasHost())) {
        hasWatcher_ = true;
        found = statusNotifierHosts();
    } else {
        hasWatcher_ = xembedTray_.owner() != 0;
        if (hasWatcher_)
            found = {TrayHost{TrayHostKind::XEmbedTray, xembedTray_.process(), -1}};
    }
    for (TrayHost& host : found)
        readHostSettings(host);
    if (found != hosts_)
        for (const TrayHost& host : found)
            qCInfo(trayLog).noquote() << "Tray host:" << described(host);
    hosts_ = found;
}

bool DesktopTrayHosts::watcherHasHost() const {
    QDBusMessage call = QDBusMessage::createMethodCall(
        WatcherRegistration::watcherService(), WatcherRegistration::watcherPath(),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << WatcherRegistration::watcherInterface()
         << QStringLiteral("IsStatusNotifierHostRegistered");
    constexpr int watcherTimeoutMs = 1000;
    const QDBusMessage reply = bus_.call(call, QDBus::Block, watcherTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage &&
           reply.arguments().value(0).value<QDBusVariant>().variant().toBool();
}

QList<TrayHost> DesktopTrayHosts::statusNotifierHosts() const {
    QDBusConnectionInterface& daemon = *bus_.interface();
    // A watcher whose process cannot be read (another user's, a sandbox's)
    // still counts: then the desktop's name tells the host.
    const std::optional<BusProcess> owner =
        processOwning(WatcherRegistration::watcherService()).value_or(BusProcess{});
    QList<BusProcess> hostProcesses;
    for (const QString& name : daemon.registeredServiceNames().value())
        if (name.startsWith(hostNamePrefix))
            if (const auto process = processOwning(name))
                hostProcesses.append(*process);
    return trayHostsOf(owner, hostProcesses, currentDesktop_);
}

void DesktopTrayHosts::readHostSettings(TrayHost& host) const {
    if (host.kind != TrayHostKind::Lxqt)
        return;
    watchLxqtSettings();
    host.reversed = lxqtReversesOrder(lxqtPanelConfPath());
}

// The panel saves its settings by writing a new file in place of the old
// one, which ends a watch on the file itself: the folder is watched too, and
// the file again whenever it is there.
void DesktopTrayHosts::watchLxqtSettings() const {
    const QFileInfo file(lxqtPanelConfPath());
    for (const QString& path : {file.absolutePath(), file.absoluteFilePath()})
        if (QFileInfo::exists(path) && !lxqtSettings_.files().contains(path) &&
            !lxqtSettings_.directories().contains(path))
            lxqtSettings_.addPath(path);
}

} // namespace platform::xdg
