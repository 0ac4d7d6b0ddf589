// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "Host.h"

#include "VirtualDesktop.h"
#include "platform/linux/tray/XfconfStringArray.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace e2e {

namespace {
Host xfce() {
    return {
        .name = u"xfce"_s,
        .program = u"xfce4-panel"_s,
        // Without the flag the panel first waits some seconds for a window manager.
        .arguments = {u"--disable-wm-check"_s},
        .panel = {0, 0, screenWidth, 32},
        .files = {{u"xfce4-panel.xml"_s, u"xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml"_s}}};
}

// The compositor of a Wayland desktop, drawing into a window on the virtual
// display (where screenshots and clicks reach it) and serving the socket the
// desktop's WAYLAND_DISPLAY names; started once that socket is there.
QString startCompositor(VirtualDesktop& desktop, const QStringList& command) {
    const QString untilSocketIsThere =
        u"\"$0\" \"$@\" >&2 & "
        u"until [ -S \"$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY\" ]; do sleep 0.1; done; echo ready; wait"_s;
    return desktop.startService(u"sh"_s, QStringList{u"-c"_s, untilSocketIsThere} + command) ==
                   u"ready"_s
               ? QString()
               : command.front() + u" does not start"_s;
}

// What a Wayland desktop has in its environment from the start: the session
// bus, and every program it starts, are Wayland clients of its compositor.
const QStringList waylandVariables{u"WAYLAND_DISPLAY=gapsel-wayland"_s,
                                   u"QT_QPA_PLATFORM=wayland"_s, u"XDG_SESSION_TYPE=wayland"_s};

Host lxqt() {
    return {.name = u"lxqt"_s,
            .program = u"lxqt-panel"_s,
            .panel = {0, 0, screenWidth, 32},
            .ordersByArrival = true,
            // Without LXQt's own settings the panel draws black.
            .files = {{u"/usr/share/lxqt/lxqt.conf"_s, u"lxqt/lxqt.conf"_s},
                      {u"lxqt-panel.conf"_s, u"lxqt/panel.conf"_s}}};
}

// LXQt with "Reverse the order of items" on: the newest item goes leftmost.
Host lxqtReversed() {
    Host host = lxqt();
    host.name = u"lxqt-reversed"_s;
    host.lacks = [] {
        QProcess panel;
        QProcessEnvironment withoutDisplay = QProcessEnvironment::systemEnvironment();
        withoutDisplay.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        panel.setProcessEnvironment(withoutDisplay);
        panel.start(u"lxqt-panel"_s, {u"--version"_s});
        panel.waitForFinished();
        const QString version = QString::fromUtf8(panel.readLine()).section(u' ', 1).trimmed();
        return version.section(u'.', 0, 0).toInt() >= 2
                   ? QString()
                   : u"LXQt's panel %1 has no reverse order"_s.arg(version);
    };
    host.configure = [](VirtualDesktop& desktop) {
        QFile conf(desktop.configHome() + u"/lxqt/panel.conf"_s);
        return conf.open(QIODevice::Append) && conf.write("reverseOrder=true\n") > 0
                   ? QString()
                   : u"cannot turn on the reverse order"_s;
    };
    return host;
}

Host gnome() {
    return {
        .name = u"gnome"_s,
        .program = u"gnome-shell"_s,
        .arguments = {u"--x11"_s, u"--replace"_s, u"--sm-disable"_s},
        .panel = {0, 0, screenWidth, 32},
        // Right of the clock, left of the system menu.
        .tray = {screenWidth * 2 / 3, 0, screenWidth / 3 - 36, 32},
        .ordersByArrival = true,
        .variables = {u"XDG_SESSION_TYPE=x11"_s, u"XDG_CURRENT_DESKTOP=GNOME"_s},
        .configure =
            [](VirtualDesktop& desktop) {
                // The shell crashes in its login manager without a system bus.
                const QString systemBus = desktop.startService(
                    u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address=1"_s});
                if (systemBus.isEmpty())
                    return u"the second bus does not start"_s;
                desktop.setVariable(u"DBUS_SYSTEM_BUS_ADDRESS"_s, systemBus);
                return QString();
            },
        .commands = {QStringLiteral("gsettings set org.gnome.shell enabled-extensions "
                                    "['ubuntu-appindicators@ubuntu.com']"),
                     QStringLiteral(
                         "gsettings set org.gnome.shell welcome-dialog-last-shown-version '999'")},
        .startedLine = u"GNOME Shell started at"_s};
}

// GNOME Shell as a Wayland compositor in a window of the virtual display,
// without Xwayland.
Host gnomeWayland() {
    Host host = gnome();
    host.name = u"gnome-wayland"_s;
    host.arguments = {u"--wayland"_s, u"--nested"_s, u"--no-x11"_s, u"--wayland-display"_s,
                      u"gapsel-wayland"_s};
    host.variables =
        waylandVariables +
        QStringList{u"XDG_CURRENT_DESKTOP=GNOME"_s,
                    u"MUTTER_DEBUG_DUMMY_MODE_SPECS=%1x%2"_s.arg(screenWidth).arg(screenHeight)};
    return host;
}

Host plasma() {
    return {.name = u"plasma"_s,
            .program = u"plasmashell"_s,
            .arguments = {u"--no-respawn"_s},
            .panel = {0, screenHeight - 44, screenWidth, 44},
            // Below the panel's top edge, left of the clock, and above the
            // gap under Plasma 6's floating panel, where the wallpaper shows.
            .tray = {screenWidth / 2, screenHeight - 42, screenWidth / 2 - 140, 32},
            .variables = {u"XDG_CURRENT_DESKTOP=KDE"_s, u"KDE_FULL_SESSION=true"_s,
                          u"KDE_SESSION_VERSION="_s +
                              (QFile::exists(u"/usr/bin/kded6"_s) ? u"6"_s : u"5"_s),
                          u"QT_QUICK_BACKEND=software"_s}};
}

// Plasma on KWin's Wayland session in a window of the virtual display, with
// Xwayland beside it.
Host plasmaWayland() {
    Host host = plasma();
    host.name = u"plasma-wayland"_s;
    host.variables += waylandVariables;
    // Plasma 5's Wayland session shows the keyboard layout and the hidden
    // items' arrow at the tray's right end, left of the clock.
    if (!QFile::exists(u"/usr/bin/kded6"_s))
        host.tray.setWidth(host.tray.width() - 60);
    host.prepare = [](VirtualDesktop& desktop) {
        // KWin carries a file capability that a container may not grant (its
        // start is then refused): a copy runs without it.
        const QString kwin = desktop.home() + u"/kwin_wayland"_s;
        if (!QFile::exists(kwin) &&
            !QFile::copy(QStandardPaths::findExecutable(u"kwin_wayland"_s), kwin))
            return u"cannot copy kwin_wayland"_s;
        return startCompositor(
            desktop, {kwin, u"--x11-display"_s, desktop.environment().value(u"DISPLAY"_s),
                      u"--xwayland"_s, u"--socket"_s, u"gapsel-wayland"_s, u"--width"_s,
                      QString::number(screenWidth), u"--height"_s, QString::number(screenHeight)});
    };
    return host;
}

// XEmbed trays, each alone on the display as on a window-manager desktop;
// they place icons in the order they docked, the newest at the right.
Host trayer() {
    return {.name = u"trayer"_s,
            .program = u"trayer"_s,
            .arguments = QStringLiteral("--edge bottom --align right --widthtype request "
                                        "--height 24 --SetDockType true --tint 0x3b4252 "
                                        "--transparent true --alpha 0")
                             .split(u' '),
            .panel = {0, screenHeight - 24, screenWidth, 24},
            .ordersByArrival = true,
            .xembed = true};
}

Host tint2() {
    return {.name = u"tint2"_s,
            .program = u"tint2"_s,
            .panel = {0, 0, screenWidth, 30},
            .ordersByArrival = true,
            .files = {{u"tint2rc"_s, u"tint2/tint2rc"_s}},
            .xembed = true};
}

Host i3bar() {
    return {.name = u"i3bar"_s,
            .program = u"i3"_s,
            .arguments = {u"-c"_s, QStringLiteral(GAPSEL_E2E_SOURCE_DIR "/i3.config")},
            .panel = {0, 0, screenWidth, 21},
            .ordersByArrival = true,
            .xembed = true};
}

// sway refuses to run as root, so it and Waybar run as a user of their own.
const QString waybarUser = u"gapsel-e2e"_s;

Host waybar() {
    return {.name = u"waybar"_s,
            .program = u"sway"_s,
            .arguments = {u"--config"_s, QStringLiteral(GAPSEL_E2E_SOURCE_DIR "/sway.config")},
            .panel = {0, 0, screenWidth, 30},
            .tray = {screenWidth / 2, 0, screenWidth / 2, 30},
            .ordersByArrival = true,
            // sway draws into a window on the virtual display, which the tests'
            // screenshots and clicks reach.
            .variables = {u"WLR_BACKENDS=x11"_s, u"WLR_RENDERER=pixman"_s, u"WLR_X11_OUTPUTS=1"_s,
                          u"XDG_CURRENT_DESKTOP=sway"_s},
            .files = {{u"waybar.jsonc"_s, u"waybar/config"_s}},
            .configure =
                [](VirtualDesktop& desktop) {
                    const bool userExists = desktop.run(u"id"_s, {waybarUser}).isEmpty();
                    return userExists
                               ? QString()
                               : desktop.run(u"useradd"_s,
                                             {u"--system"_s, u"--no-create-home"_s, waybarUser});
                },
            .prepare =
                [](VirtualDesktop& desktop) {
                    // The user has to reach its runtime folder through the test's.
                    for (QDir folder(desktop.home()); folder.cdUp() && folder != QDir::temp();)
                        QFile::setPermissions(folder.path(),
                                              QFile::permissions(folder.path()) | QFile::ExeOther);
                    return desktop.run(u"chown"_s, {u"-R"_s, waybarUser, desktop.home()});
                },
            .user = waybarUser};
}
} // namespace

Host xfceWithTrayAtRightEnd(const QStringList& hiddenIds) {
    Host host = xfce();
    // Set through xfconf, from which the panel reads its layout as it starts.
    const QString set = u"xfconf-query -c xfce4-panel -n -p "_s;
    host.commands = {set + u"/panels/panel-1/plugin-ids -a -t int -s 2 -t int -s 1"_s,
                     set + u"/plugins/plugin-2 -t string -s separator"_s,
                     set + u"/plugins/plugin-2/expand -t bool -s true"_s};
    if (!hiddenIds.isEmpty())
        host.commands.append(set + u"/plugins/plugin-1/hidden-items -a -t string -s "_s +
                             hiddenIds.join(u" -t string -s "_s));
    return host;
}

const Host& hostNamed(const QString& name) {
    static const QList<Host> hosts{xfce(),         lxqt(),   lxqtReversed(),  gnome(),
                                   gnomeWayland(), plasma(), plasmaWayland(), waybar(),
                                   trayer(),       tint2(),  i3bar()};
    for (const Host& host : hosts)
        if (host.name == name)
            return host;
    return hosts.front();
}

QStringList xfceKnownItems(const VirtualDesktop& desktop) {
    return platform::xdg::XfconfStringArray(desktop.bus(), u"xfce4-panel"_s,
                                            u"/plugins/plugin-1/known-items"_s)
        .read()
        .value_or(QStringList());
}

QStringList chosenHosts() {
    const QString chosen = qEnvironmentVariable("GAPSEL_E2E_HOSTS");
    return chosen.isEmpty() ? QStringList{u"xfce"_s, u"lxqt"_s, u"gnome"_s, u"trayer"_s, u"tint2"_s}
                            : chosen.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

} // namespace e2e
