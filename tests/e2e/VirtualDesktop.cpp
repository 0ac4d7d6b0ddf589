// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "VirtualDesktop.h"

#include "XwdImage.h"
#include "support/TestEnvironment.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>

namespace e2e {

namespace {
const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

// The panel's height and the screen's size, as the configurations and
// startDisplay() set them.
constexpr int panelHeight = 32;
constexpr int screenWidth = 640;
constexpr int screenHeight = 360;

void stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished();
}

bool hostIsRegistered(const QDBusConnection& bus) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        watcherService, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << watcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusMessage reply = bus.call(call);
    return reply.type() == QDBusMessage::ReplyMessage &&
           reply.arguments().value(0).value<QDBusVariant>().variant().toBool();
}
} // namespace

VirtualDesktop::VirtualDesktop(QString home, const QString& panelConfiguration)
    : home_(std::move(home))
    , environment_(QProcessEnvironment::systemEnvironment()) {
    const QString runtime = home_ + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString channels = configHome() + QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml");
    QDir().mkpath(channels);
    QFile::copy(QStringLiteral(GAPSEL_E2E_SOURCE_DIR "/") + panelConfiguration,
                panelConfigurationFile());
    QFile::setPermissions(panelConfigurationFile(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    environment_.insert(QStringLiteral("HOME"), home_);
    environment_.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
    environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    // No accessibility bus: nothing here reads the screen aloud.
    environment_.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const char* name : {"SESSION_MANAGER", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS"})
        environment_.remove(QString::fromLatin1(name));
}

VirtualDesktop::~VirtualDesktop() {
    QDBusConnection::disconnectFromBus(hostConnectionName());
    stop(panel_);
    stop(busDaemon_);
    stop(displayServer_);
}

QString VirtualDesktop::hostConnectionName() const {
    return QStringLiteral("e2e-host ") + busAddress_;
}

QString VirtualDesktop::configHome() const {
    return home_ + QStringLiteral("/config");
}

QString VirtualDesktop::panelConfigurationFile() const {
    return configHome() + QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml");
}

QString VirtualDesktop::start(bool withTray) {
    for (const auto& step :
         {&VirtualDesktop::startDisplay, &VirtualDesktop::startBus, &VirtualDesktop::startPanel}) {
        if (step == &VirtualDesktop::startPanel && !withTray)
            break;
        const QString failure = (this->*step)();
        if (!failure.isEmpty())
            return failure;
    }
    return {};
}

void VirtualDesktop::reservePanelArea() const {
    QProcess xprop;
    xprop.setProcessEnvironment(environment_);
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-root"), QStringLiteral("-f"), QStringLiteral("_NET_WORKAREA"),
                 QStringLiteral("32c"), QStringLiteral("-set"), QStringLiteral("_NET_WORKAREA"),
                 QStringLiteral("0, %1, %2, %3")
                     .arg(panelHeight)
                     .arg(screenWidth)
                     .arg(screenHeight - panelHeight)});
    xprop.waitForFinished(10000);
}

QString VirtualDesktop::startDisplay() {
    // Xvfb picks a free display itself and writes its number to standard output.
    displayServer_.start(QStringLiteral("Xvfb"),
                         {QStringLiteral("-displayfd"), QStringLiteral("1"),
                          QStringLiteral("-screen"), QStringLiteral("0"),
                          QStringLiteral("%1x%2x24").arg(screenWidth).arg(screenHeight),
                          QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!displayServer_.waitForStarted())
        return QStringLiteral("Xvfb does not start (is it installed? scripts/setup installs it)");
    if (!displayServer_.waitForReadyRead(20000))
        return QStringLiteral("Xvfb names no display");
    display_ = QLatin1Char(':') + QString::fromUtf8(displayServer_.readLine()).trimmed();
    environment_.insert(QStringLiteral("DISPLAY"), display_);
    return {};
}

QString VirtualDesktop::startBus() {
    // Services the bus starts on demand (the panel's settings store) inherit
    // its environment, so it gets the desktop's.
    busDaemon_.setProcessEnvironment(environment_);
    busDaemon_.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--nofork"),
                      QStringLiteral("--print-address=1")});
    if (!busDaemon_.waitForStarted() || !busDaemon_.waitForReadyRead(10000))
        return QStringLiteral("dbus-daemon does not start");
    busAddress_ = QString::fromUtf8(busDaemon_.readLine()).trimmed();
    environment_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress_);
    return {};
}

QString VirtualDesktop::startPanel() {
    panel_.setProcessEnvironment(environment_);
    panel_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    panel_.setStandardOutputFile(QProcess::nullDevice());
    // Without the flag the panel first waits some seconds for a window manager.
    panel_.start(QStringLiteral("xfce4-panel"), {QStringLiteral("--disable-wm-check")});
    if (!panel_.waitForStarted())
        return QStringLiteral(
            "xfce4-panel does not start (is it installed? scripts/setup installs it)");
    const QDBusConnection connection = bus();
    if (!testing_support::processEventsUntil([&] { return hostIsRegistered(connection); }, 30000))
        return QStringLiteral("xfce4-panel's tray never registered as a StatusNotifierItem host");
    reservePanelArea();
    return {};
}

QString VirtualDesktop::restartPanel() {
    panel_.kill();
    panel_.waitForFinished();
    const QDBusConnection connection = bus();
    if (!testing_support::processEventsUntil(
            [&] { return !connection.interface()->isServiceRegistered(watcherService).value(); },
            10000))
        return QStringLiteral("the tray's watcher outlived the panel");
    return startPanel();
}

QDBusConnection VirtualDesktop::bus() const {
    return QDBusConnection::connectToBus(busAddress_, hostConnectionName());
}

QImage VirtualDesktop::screenshot() const {
    QProcess dump;
    dump.setProcessEnvironment(environment_);
    dump.start(QStringLiteral("xwd"), {QStringLiteral("-root"), QStringLiteral("-silent"),
                                       QStringLiteral("-display"), display_});
    if (!dump.waitForFinished(20000) || dump.exitCode() != 0)
        return {};
    return fromXwd(dump.readAllStandardOutput());
}

} // namespace e2e
