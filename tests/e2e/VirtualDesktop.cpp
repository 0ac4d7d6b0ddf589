// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "VirtualDesktop.h"

#include "Program.h"
#include "TrayHost.h"
#include "support/TestEnvironment.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>

#include <csignal>
#include <cstdlib>
#include <unistd.h>
#include <xcb/xcb.h>

using testing_support::processEventsUntil;

namespace e2e {

namespace {
const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
// Hosts (plasmashell, gnome-shell) may take this long on a busy machine.
constexpr int hostStartTimeoutMs = 90000;
// A screen that stays the same this long has settled.
constexpr int settlingMs = 1000;

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

// The screen's pixels as the display keeps them, least significant byte
// first: 0x00RRGGBB in four bytes (Qt's RGB32 on this machine) or three.
QImage fromPixels(const uchar* pixels, int length, int width, int height) {
    const int bytesPerLine = length / height;
    const int bytesPerPixel = bytesPerLine / width;
    if (bytesPerPixel != 3 && bytesPerPixel != 4)
        return {};
    const QImage image(pixels, width, height, bytesPerLine,
                       bytesPerPixel == 4 ? QImage::Format_RGB32 : QImage::Format_BGR888);
    // Copied either way: the buffer goes with the display's reply.
    return bytesPerPixel == 4 ? image.copy() : image.convertToFormat(QImage::Format_RGB32);
}

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
    endProcess(hostProcess_);
    for (auto it = services_.rbegin(); it != services_.rend(); ++it)
        endProcess(**it);
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
    QString failure = startWithoutHost();
    if (failure.isEmpty())
        failure = host_.prepare(*this);
    return failure.isEmpty() ? startHost() : failure;
}

QString VirtualDesktop::startWithoutHost() {
    QString failure = startDisplay();
    if (failure.isEmpty())
        failure = host_.configure(*this);
    return failure.isEmpty() ? startBus() : failure;
}

void VirtualDesktop::reservePanelArea() const {
    const QRect& panel = host_.panel;
    const int top = panel.top() == 0 ? panel.height() : 0;
    run(QStringLiteral("xprop"),
        QStringLiteral("-root -f _NET_WORKAREA 32c -set _NET_WORKAREA").split(u' ')
            << QStringLiteral("0, %1, %2, %3")
                   .arg(top)
                   .arg(screenWidth)
                   .arg(screenHeight - panel.height()));
}

QString VirtualDesktop::startDisplay() {
    // Xvfb picks a free display itself and writes its number to standard output.
    const QString display = startService(
        QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
         QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(screenWidth).arg(screenHeight),
         QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (display.isEmpty())
        return QStringLiteral("Xvfb does not start (scripts/setup installs it)");
    environment_.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + display);
    return {};
}

QString VirtualDesktop::startBus() {
    // Services the bus starts on demand (settings stores, Plasma's kded5)
    // inherit its environment, so it gets the desktop's.
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
    busAddress_ = startService(QStringLiteral("dbus-daemon"), arguments);
    if (busAddress_.isEmpty())
        return QStringLiteral("dbus-daemon does not start");
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
    if (!processEventsUntil([&] { return tray.hostRegistered(); }, hostStartTimeoutMs))
        return host_.program +
               QStringLiteral(" never registered as a StatusNotifierItem host; its log:\n") +
               hostLog();
    reservePanelArea();
    return {};
}

QImage VirtualDesktop::settledScreen() const {
    // Escape leaves what a host shows at its start (GNOME's overview).
    xdotool(QStringLiteral("key Escape"));
    QImage last = screenshot();
    processEventsUntil(
        [&] {
            processEventsUntil([] { return false; }, settlingMs);
            QImage now = screenshot();
            std::swap(now, last);
            return now == last;
        },
        10 * settlingMs);
    return last;
}

QString VirtualDesktop::restartHost() {
    ::kill(-static_cast<pid_t>(hostProcess_.processId()), SIGKILL);
    hostProcess_.waitForFinished();
    const QDBusConnection connection = bus();
    if (!processEventsUntil(
            [&] { return !connection.interface()->isServiceRegistered(watcherService).value(); },
            10000))
        return QStringLiteral("the tray's watcher outlived its host");
    return startHost();
}

QString VirtualDesktop::startService(const QString& program, const QStringList& arguments) {
    auto& service = *services_.emplace_back(std::make_unique<QProcess>());
    startInOwnGroup(service);
    service.setProcessEnvironment(environment_);
    service.setStandardErrorFile(home_ + QStringLiteral("/services.log"), QIODevice::Append);
    service.start(program, arguments);
    if (!service.waitForStarted() || !service.waitForReadyRead(10000))
        return {};
    return QString::fromUtf8(service.readLine()).trimmed();
}

bool VirtualDesktop::runToEnd(QProcess& process, const QString& program,
                              const QStringList& arguments) const {
    process.setProcessEnvironment(environment_);
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QString VirtualDesktop::run(const QString& program, const QStringList& arguments) const {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (runToEnd(process, program, arguments))
        return {};
    return program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) +
           QStringLiteral(" failed: ") + QString::fromUtf8(process.readAll());
}

QString VirtualDesktop::output(const QString& program, const QStringList& arguments) const {
    QProcess process;
    runToEnd(process, program, arguments);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString VirtualDesktop::xdotool(const QString& words) const {
    return output(QStringLiteral("xdotool"), words.split(u' '));
}

QString VirtualDesktop::visibleWindow(const QStringList& search) const {
    return output(QStringLiteral("xdotool"),
                  QStringList{QStringLiteral("search"), QStringLiteral("--onlyvisible")} + search)
        .section(QLatin1Char('\n'), 0, 0);
}

QDBusConnection VirtualDesktop::bus() const {
    return QDBusConnection::connectToBus(busAddress_, hostConnectionName());
}

QImage VirtualDesktop::screenshot() const {
    xcb_connection_t* connection =
        xcb_connect(qPrintable(environment_.value(QStringLiteral("DISPLAY"))), nullptr);
    QImage image;
    if (!xcb_connection_has_error(connection) &&
        xcb_get_setup(connection)->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        xcb_get_image_reply_t* reply = xcb_get_image_reply(
            connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0,
                          screen->width_in_pixels, screen->height_in_pixels, ~0u),
            nullptr);
        if (reply) {
            image = fromPixels(xcb_get_image_data(reply), xcb_get_image_data_length(reply),
                               screen->width_in_pixels, screen->height_in_pixels);
            std::free(reply);
        }
    }
    xcb_disconnect(connection);
    return image;
}

void VirtualDesktop::saveScreenshot(const QString& name) const {
    saveScreen(screenshot(), host_.name, name);
}

QString VirtualDesktop::hostLog() const {
    return readAll(home_ + QStringLiteral("/host.log")) +
           readAll(home_ + QStringLiteral("/services.log"));
}

void saveScreen(const QImage& screen, const QString& host, const QString& name) {
    const QString folder = QStringLiteral(GAPSEL_E2E_OUTPUT_DIR "/") + host;
    QDir().mkpath(folder);
    screen.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace e2e
