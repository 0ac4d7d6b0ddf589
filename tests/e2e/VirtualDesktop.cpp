// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "VirtualDesktop.h"

#include "TrayHost.h"
#include "XwdImage.h"
#include "support/TestEnvironment.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>

#include <csignal>
#include <unistd.h>

namespace e2e {

namespace {
const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
// Hosts (plasmashell, gnome-shell) may take this long on a busy machine.
constexpr int hostStartTimeoutMs = 90000;
// A screen that stays the same this long has settled.
constexpr int settlingMs = 1000;

// Starts programs in a process group of their own, so that whatever they
// start in turn (Plasma's helpers, sway's bar, services the bus starts) ends
// with them.
void startInOwnGroup(QProcess& process) {
    process.setChildProcessModifier([] { ::setsid(); });
}

void signalGroup(const QProcess& process, int signal) {
    if (process.processId() > 0)
        ::kill(-static_cast<pid_t>(process.processId()), signal);
}

void stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    signalGroup(process, SIGTERM);
    process.terminate();
    if (!process.waitForFinished(5000)) {
        signalGroup(process, SIGKILL);
        process.kill();
    }
    process.waitForFinished();
}

// A session bus that lets every local user in, for hosts that run as a user
// of their own.
const char* openBusConfiguration = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <include>/usr/share/dbus-1/session.conf</include>
  <policy context="default"><allow user="*"/></policy>
</busconfig>
)";

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

VirtualDesktop::VirtualDesktop(QString home, Host host)
    : home_(std::move(home))
    , host_(std::move(host))
    , environment_(QProcessEnvironment::systemEnvironment()) {
    const QString runtime = home_ + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QDir().mkpath(configHome());
    environment_.insert(QStringLiteral("HOME"), home_);
    environment_.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
    environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    // No accessibility bus: nothing here reads the screen aloud.
    environment_.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const char* name : {"SESSION_MANAGER", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                             "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION"})
        environment_.remove(QString::fromLatin1(name));
}

VirtualDesktop::~VirtualDesktop() {
    QDBusConnection::disconnectFromBus(hostConnectionName());
    stop(hostProcess_);
    for (auto it = services_.rbegin(); it != services_.rend(); ++it)
        stop(**it);
    stop(busDaemon_);
    stop(displayServer_);
}

QString VirtualDesktop::hostConnectionName() const {
    return QStringLiteral("e2e-host ") + busAddress_;
}

QString VirtualDesktop::configHome() const {
    return home_ + QStringLiteral("/config");
}

void VirtualDesktop::setVariable(const QString& name, const QString& value) {
    environment_.insert(name, value);
}

QString VirtualDesktop::start() {
    if (!host_.installed())
        return host_.program + QStringLiteral(" is not installed (Debian: ") + host_.packages +
               QLatin1Char(')');
    for (const auto& step : {std::function([this] { return startDisplay(); }),
                             std::function([this] { return host_.configure(*this); }),
                             std::function([this] { return startBus(); }),
                             std::function([this] { return host_.prepare(*this); }),
                             std::function([this] { return startHost(); })}) {
        const QString failure = step();
        if (!failure.isEmpty())
            return failure;
    }
    return {};
}

QString VirtualDesktop::startWithoutHost() {
    const QString failure = startDisplay();
    return failure.isEmpty() ? startBus() : failure;
}

void VirtualDesktop::reservePanelArea() const {
    const QRect& panel = host_.panel;
    const int top = panel.top() == 0 ? panel.height() : 0;
    run(QStringLiteral("xprop"),
        {QStringLiteral("-root"), QStringLiteral("-f"), QStringLiteral("_NET_WORKAREA"),
         QStringLiteral("32c"), QStringLiteral("-set"), QStringLiteral("_NET_WORKAREA"),
         QStringLiteral("0, %1, %2, %3")
             .arg(top)
             .arg(screenWidth)
             .arg(screenHeight - panel.height())});
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
    // Services the bus starts on demand (settings stores, Plasma's kded5)
    // inherit its environment, so it gets the desktop's; their output goes to
    // the host's log.
    QStringList arguments{QStringLiteral("--nofork"), QStringLiteral("--print-address=1")};
    if (host_.user.isEmpty()) {
        arguments.prepend(QStringLiteral("--session"));
    } else {
        const QString configuration = home_ + QStringLiteral("/bus.conf");
        QFile file(configuration);
        if (!file.open(QIODevice::WriteOnly) || file.write(openBusConfiguration) < 0)
            return QStringLiteral("cannot write ") + configuration;
        arguments.prepend(QStringLiteral("--config-file=") + configuration);
    }
    startInOwnGroup(busDaemon_);
    busDaemon_.setProcessEnvironment(environment_);
    busDaemon_.setStandardErrorFile(home_ + QStringLiteral("/bus.log"));
    busDaemon_.start(QStringLiteral("dbus-daemon"), arguments);
    if (!busDaemon_.waitForStarted() || !busDaemon_.waitForReadyRead(10000))
        return QStringLiteral("dbus-daemon does not start");
    busAddress_ = QString::fromUtf8(busDaemon_.readLine()).trimmed();
    environment_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress_);
    return {};
}

QString VirtualDesktop::startHost() {
    startInOwnGroup(hostProcess_);
    hostProcess_.setProcessEnvironment(environment_);
    hostProcess_.setProcessChannelMode(QProcess::MergedChannels);
    hostProcess_.setStandardOutputFile(home_ + QStringLiteral("/host.log"), QIODevice::Append);
    if (host_.user.isEmpty())
        hostProcess_.start(host_.program, host_.arguments);
    else
        hostProcess_.start(QStringLiteral("runuser"),
                           QStringList{QStringLiteral("--preserve-environment"),
                                       QStringLiteral("-u"), host_.user, QStringLiteral("--"),
                                       host_.program} +
                               host_.arguments);
    if (!hostProcess_.waitForStarted())
        return host_.program + QStringLiteral(" does not start");
    const TrayHost tray(bus());
    if (!testing_support::processEventsUntil([&] { return tray.hostRegistered(); },
                                             hostStartTimeoutMs))
        return host_.program +
               QStringLiteral(" never registered as a StatusNotifierItem host; its log:\n") +
               hostLog();
    reservePanelArea();
    return {};
}

QImage VirtualDesktop::settledScreen() const {
    // Escape leaves what a host shows at its start (GNOME's overview).
    xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    QImage last = screenshot();
    testing_support::processEventsUntil(
        [&] {
            testing_support::processEventsUntil([] { return false; }, settlingMs);
            QImage now = screenshot();
            std::swap(now, last);
            return now == last;
        },
        10 * settlingMs);
    return last;
}

QString VirtualDesktop::restartHost() {
    signalGroup(hostProcess_, SIGKILL);
    hostProcess_.waitForFinished();
    const QDBusConnection connection = bus();
    if (!testing_support::processEventsUntil(
            [&] { return !connection.interface()->isServiceRegistered(watcherService).value(); },
            10000))
        return QStringLiteral("the tray's watcher outlived its host");
    return startHost();
}

QString VirtualDesktop::startService(const QString& program, const QStringList& arguments) {
    auto& service = *services_.emplace_back(std::make_unique<QProcess>());
    startInOwnGroup(service);
    service.setProcessEnvironment(environment_);
    service.start(program, arguments);
    if (!service.waitForStarted() || !service.waitForReadyRead(10000))
        return {};
    return QString::fromUtf8(service.readLine()).trimmed();
}

QString VirtualDesktop::run(const QString& program, const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) +
               QStringLiteral(" failed: ") + QString::fromUtf8(process.readAll());
    return {};
}

QString VirtualDesktop::output(const QString& program, const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        process.kill();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString VirtualDesktop::xdotool(const QStringList& arguments) const {
    return output(QStringLiteral("xdotool"), arguments);
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

void VirtualDesktop::saveScreenshot(const QString& name) const {
    saveScreen(screenshot(), host_.name, name);
}

QString VirtualDesktop::hostLog() const {
    return readAll(home_ + QStringLiteral("/host.log")) +
           readAll(home_ + QStringLiteral("/bus.log"));
}

void saveScreen(const QImage& screen, const QString& host, const QString& name) {
    const QString folder = QStringLiteral(GAPSEL_E2E_OUTPUT_DIR "/") + host;
    QDir().mkpath(folder);
    screen.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace e2e
