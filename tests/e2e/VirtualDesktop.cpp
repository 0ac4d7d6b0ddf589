// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "VirtualDesktop.h"

#include "TrayHost.h"
#include "support/TestEnvironment.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <unistd.h>
#include <xcb/xcb.h>

using namespace Qt::StringLiterals;

using testing_support::processEventsUntil;

namespace e2e {

namespace {
const QString watcherService = u"org.kde.StatusNotifierWatcher"_s;
// Hosts (plasmashell, gnome-shell) may take this long on a busy machine.
constexpr int hostStartTimeoutMs = 90000;
// A screen that stays the same this long has settled.
constexpr int settlingMs = 1000;

void signalGroup(const QProcess& process, int signal) {
    if (process.processId() > 0)
        ::kill(-static_cast<pid_t>(process.processId()), signal);
}

// A process group of its own for `process`, so that whatever it starts in
// turn (Plasma's helpers, sway's bar, services a bus starts) ends with it.
void startInOwnGroup(QProcess& process) {
    process.setChildProcessModifier([] { ::setsid(); });
}

// Ends `process` and its group as a session's end does (SIGTERM), killing
// them if they have not ended after ten seconds; nothing when it is not running.
void endProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    signalGroup(process, SIGTERM);
    process.terminate();
    if (!process.waitForFinished(10000)) {
        signalGroup(process, SIGKILL);
        process.kill();
    }
    process.waitForFinished();
}
} // namespace

bool Program::start(const QProcessEnvironment& environment, const QStringList& arguments,
                    QProcess::ProcessChannelMode forwarded) {
    output_.clear();
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(forwarded);
    process_.start(program_, arguments);
    return process_.waitForStarted();
}

QString Program::output() {
    output_ +=
        QString::fromUtf8(process_.readAllStandardOutput() + process_.readAllStandardError());
    return output_;
}

void Program::stop() {
    endProcess(process_);
}

VirtualDesktop::VirtualDesktop(QString home, Host host)
    : home_(std::move(home))
    , host_(std::move(host))
    , environment_(QProcessEnvironment::systemEnvironment()) {
    if (host_.tray.isNull())
        host_.tray = host_.panel;
    const QString runtime = home_ + u"/runtime"_s;
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QDir().mkpath(configHome());
    environment_.insert(u"HOME"_s, home_);
    environment_.insert(u"XDG_CONFIG_HOME"_s, configHome());
    environment_.insert(u"XDG_RUNTIME_DIR"_s, runtime);
    // No accessibility bus: nothing here reads the screen aloud.
    environment_.insert(u"NO_AT_BRIDGE"_s, u"1"_s);
    environment_.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    for (const char* name : {"SESSION_MANAGER", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                             "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION"})
        environment_.remove(QString::fromLatin1(name));
    for (const QString& variable : host_.variables)
        setVariable(variable.section(u'=', 0, 0), variable.section(u'=', 1));
}

VirtualDesktop::~VirtualDesktop() {
    QDBusConnection::disconnectFromBus(bus().name());
    endProcess(hostProcess_);
    for (auto it = services_.rbegin(); it != services_.rend(); ++it)
        endProcess(**it);
    keepHostLog();
}

void VirtualDesktop::keepHostLog() const {
    // The desktop's folder goes with the run; the host's log stays beside
    // the screenshots, one per test, for reading a failure afterwards.
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (test == nullptr)
        return;
    QString name = QString::fromUtf8(test->test_suite_name()) + u'.' +
                   QString::fromUtf8(test->name());
    name.replace(u'/', u'-');
    const QString folder = outputFolder();
    QDir().mkpath(folder);
    QFile::remove(folder + u'/' + name + u".log"_s);
    QFile::copy(home_ + u"/host.log"_s, folder + u'/' + name + u".log"_s);
}

QString VirtualDesktop::outputFolder() const {
    return QStringLiteral(GAPSEL_E2E_OUTPUT_DIR "/") + host_.name;
}

QString VirtualDesktop::start() {
    QString failure = startWithoutHost();
    if (failure.isEmpty())
        failure = host_.prepare(*this);
    for (qsizetype i = 0; failure.isEmpty() && i < host_.commands.size(); ++i) {
        const QStringList words = host_.commands.at(i).split(u' ');
        failure = run(words.front(), words.mid(1));
    }
    return failure.isEmpty() ? startHost() : failure;
}

QString VirtualDesktop::startWithoutHost() {
    QString failure = startDisplay() + copyFiles(host_.files);
    if (failure.isEmpty())
        failure = host_.configure(*this);
    return failure.isEmpty() ? startBus() : failure;
}

QString VirtualDesktop::copyFiles(const QList<std::pair<QString, QString>>& files) const {
    QString failure;
    for (const auto& [source, target] : files) {
        const QString path = configHome() + QLatin1Char('/') + target;
        QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
        if (!QFile::copy(QDir(QStringLiteral(GAPSEL_E2E_SOURCE_DIR)).filePath(source), path))
            failure += u"cannot copy "_s + source;
    }
    return failure;
}

void VirtualDesktop::reservePanelArea() const {
    const QRect& panel = host_.panel;
    const int top = panel.top() == 0 ? panel.height() : 0;
    run(u"xprop"_s,
        u"-root -f _NET_WORKAREA 32c -set _NET_WORKAREA"_s.split(u' ')
            << u"0, %1, %2, %3"_s.arg(top).arg(screenWidth).arg(screenHeight - panel.height()));
}

QString VirtualDesktop::startDisplay() {
    // Xvfb picks a free display itself and writes its number to standard output.
    // It must not reset when its last client leaves: the test's own short
    // connections would then close it under a host that is just connecting.
    const QString display =
        startService(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-noreset"_s, u"-screen"_s, u"0"_s,
                                 u"%1x%2x24"_s.arg(screenWidth).arg(screenHeight), u"-nolisten"_s,
                                 u"tcp"_s});
    if (display.isEmpty())
        return u"Xvfb does not start (scripts/setup installs it)"_s;
    environment_.insert(u"DISPLAY"_s, QLatin1Char(':') + display);
    return {};
}

QString VirtualDesktop::startBus() {
    // Services the bus starts on demand (settings stores, Plasma's kded5)
    // inherit its environment, so it gets the desktop's.
    busAddress_ =
        startService(u"dbus-daemon"_s,
                     {QStringLiteral("--config-file=" GAPSEL_E2E_SOURCE_DIR "/session-bus.conf"),
                      u"--nofork"_s, u"--print-address=1"_s});
    if (busAddress_.isEmpty())
        return u"dbus-daemon does not start"_s;
    environment_.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, busAddress_);
    return {};
}

QString VirtualDesktop::startHost() {
    // What the host writes from here on is its own start's (a restarted
    // host's log goes on in the same file).
    const qsizetype logBefore = hostLog().size();
    startInOwnGroup(hostProcess_);
    hostProcess_.setProcessEnvironment(environment_);
    hostProcess_.setProcessChannelMode(QProcess::MergedChannels);
    hostProcess_.setStandardOutputFile(home_ + u"/host.log"_s, QIODevice::Append);
    if (host_.user.isEmpty())
        hostProcess_.start(host_.program, host_.arguments);
    else
        hostProcess_.start(u"runuser"_s, QStringList{u"--preserve-environment"_s, u"-u"_s,
                                                     host_.user, u"--"_s, host_.program} +
                                             host_.arguments);
    if (!hostProcess_.waitForStarted())
        return host_.program + u" does not start"_s;
    const TrayHost tray(bus());
    if (!processEventsUntil([&] { return host_.xembed ? hasXEmbedTray() : tray.hostRegistered(); },
                            hostStartTimeoutMs))
        return host_.program +
               (host_.xembed ? u" never took the tray selection"_s
                             : u" never registered as a StatusNotifierItem host"_s) +
               u"; its log:\n"_s + hostLog();
    if (!host_.startedLine.isEmpty() &&
        !processEventsUntil([&] { return hostLog().indexOf(host_.startedLine, logBefore) >= 0; },
                            hostStartTimeoutMs))
        return host_.program + u" never finished starting; its log:\n"_s + hostLog();
    reservePanelArea();
    return {};
}

QImage VirtualDesktop::settledScreen() const {
    // Escape leaves what a host shows at its start (GNOME's overview).
    xdotool(u"key Escape"_s);
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
    signalGroup(hostProcess_, SIGKILL);
    hostProcess_.waitForFinished();
    const QDBusConnection connection = bus();
    if (!processEventsUntil(
            [&] {
                return host_.xembed
                           ? !hasXEmbedTray()
                           : !connection.interface()->isServiceRegistered(watcherService).value();
            },
            10000))
        return u"the tray's watcher outlived its host"_s;
    return startHost();
}

QString VirtualDesktop::startService(const QString& program, const QStringList& arguments) {
    auto& service = *services_.emplace_back(std::make_unique<QProcess>());
    startInOwnGroup(service);
    service.setProcessEnvironment(environment_);
    service.setStandardErrorFile(home_ + u"/host.log"_s, QIODevice::Append);
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
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return {};
    return program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) + u" failed: "_s +
           QString::fromUtf8(process.readAll());
}

QString VirtualDesktop::output(const QString& program, const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString VirtualDesktop::xdotool(const QString& words) const {
    return output(u"xdotool"_s, words.split(u' '));
}

QString VirtualDesktop::visibleWindow(const QStringList& search) const {
    return output(u"xdotool"_s, QStringList{u"search"_s, u"--onlyvisible"_s} + search)
        .section(QLatin1Char('\n'), 0, 0);
}

QRect VirtualDesktop::windowNamed(const QString& name) const {
    const QString window = visibleWindow({u"--name"_s, u'^' + name + u'$'});
    if (window.isEmpty())
        return {};
    const QString shell = xdotool(u"getwindowgeometry --shell "_s + window);
    const auto field = [&](const char* key) {
        return QRegularExpression(QLatin1String(key) + u"=(\\d+)"_s)
            .match(shell)
            .captured(1)
            .toInt();
    };
    return {field("X"), field("Y"), field("WIDTH"), field("HEIGHT")};
}

QDBusConnection VirtualDesktop::bus() const {
    return QDBusConnection::connectToBus(busAddress_, u"e2e-host "_s + busAddress_);
}

QImage VirtualDesktop::screenshot() const {
    xcb_connection_t* connection =
        xcb_connect(qPrintable(environment_.value(u"DISPLAY"_s)), nullptr);
    QImage image;
    if (!xcb_connection_has_error(connection) &&
        xcb_get_setup(connection)->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        const int width = screen->width_in_pixels;
        const int height = screen->height_in_pixels;
        xcb_get_image_reply_t* reply =
            xcb_get_image_reply(connection,
                                xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root,
                                              0, 0, width, height, ~0u),
                                nullptr);
        // At depth 24 the display keeps a pixel as 0x00RRGGBB in four bytes,
        // least significant first: Qt's RGB32 on this machine.
        if (reply && xcb_get_image_data_length(reply) == 4 * width * height)
            image = QImage(xcb_get_image_data(reply), width, height, QImage::Format_RGB32).copy();
        std::free(reply);
    }
    xcb_disconnect(connection);
    return image;
}

bool VirtualDesktop::hasXEmbedTray() const {
    xcb_connection_t* connection =
        xcb_connect(qPrintable(environment_.value(u"DISPLAY"_s)), nullptr);
    bool owned = false;
    if (!xcb_connection_has_error(connection)) {
        const char name[] = "_NET_SYSTEM_TRAY_S0";
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
        xcb_get_selection_owner_reply_t* owner =
            atom ? xcb_get_selection_owner_reply(
                       connection, xcb_get_selection_owner(connection, atom->atom), nullptr)
                 : nullptr;
        owned = owner && owner->owner != XCB_NONE;
        std::free(owner);
        std::free(atom);
    }
    xcb_disconnect(connection);
    return owned;
}

QString VirtualDesktop::hostLog() const {
    return QString::fromUtf8(readFile(home_ + u"/host.log"_s));
}

void VirtualDesktop::saveScreenshot(const QString& name, QImage screen) const {
    if (screen.isNull())
        screen = screenshot();
    const QString folder = outputFolder();
    QDir().mkpath(folder);
    screen.save(folder + QLatin1Char('/') + name + u".png"_s);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace e2e
