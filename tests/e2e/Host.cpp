// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "Host.h"

#include "VirtualDesktop.h"
#include "platform/linux/tray/XfconfStringArray.h"

#include <QDir>
#include <QFile>

namespace e2e {

namespace {
Host xfce() {
    return {.name = QStringLiteral("xfce"),
            .program = QStringLiteral("xfce4-panel"),
            // Without the flag the panel first waits some seconds for a window manager.
            .arguments = {QStringLiteral("--disable-wm-check")},
            .panel = {0, 0, screenWidth, 32},
            .tray = {0, 0, screenWidth, 32},
            .files = {{QStringLiteral("xfce4-panel.xml"),
                       QStringLiteral("xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml")}}};
}

Host lxqt() {
    return {
        .name = QStringLiteral("lxqt"),
        .program = QStringLiteral("lxqt-panel"),
        .panel = {0, 0, screenWidth, 32},
        .tray = {0, 0, screenWidth, 32},
        .ordersByArrival = true,
        // Without LXQt's own settings the panel draws black.
        .files = {{QStringLiteral("/usr/share/lxqt/lxqt.conf"), QStringLiteral("lxqt/lxqt.conf")},
                  {QStringLiteral("lxqt-panel.conf"), QStringLiteral("lxqt/panel.conf")}}};
}

Host gnome() {
    return {
        .name = QStringLiteral("gnome"),
        .program = QStringLiteral("gnome-shell"),
        .arguments = {QStringLiteral("--x11"), QStringLiteral("--replace"),
                      QStringLiteral("--sm-disable")},
        .panel = {0, 0, screenWidth, 32},
        // Right of the clock, left of the system menu.
        .tray = {screenWidth * 2 / 3, 0, screenWidth / 3 - 36, 32},
        .ordersByArrival = true,
        .variables = {QStringLiteral("XDG_SESSION_TYPE=x11"),
                      QStringLiteral("XDG_CURRENT_DESKTOP=GNOME")},
        .configure =
            [](VirtualDesktop& desktop) {
                // The shell crashes in its login manager without a system bus.
                const QString systemBus =
                    desktop.startService(QStringLiteral("dbus-daemon"),
                                         {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                          QStringLiteral("--print-address=1")});
                if (systemBus.isEmpty())
                    return QStringLiteral("the second bus does not start");
                desktop.setVariable(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), systemBus);
                return QString();
            },
        .commands = {QStringLiteral("gsettings set org.gnome.shell enabled-extensions "
                                    "['ubuntu-appindicators@ubuntu.com']"),
                     QStringLiteral(
                         "gsettings set org.gnome.shell welcome-dialog-last-shown-version '999'")}};
}

Host plasma() {
    return {.name = QStringLiteral("plasma"),
            .program = QStringLiteral("plasmashell"),
            .arguments = {QStringLiteral("--no-respawn")},
            .panel = {0, screenHeight - 44, screenWidth, 44},
            // Below the panel's top edge, left of the clock.
            .tray = {screenWidth / 2, screenHeight - 42, screenWidth / 2 - 140, 42},
            .variables = {QStringLiteral("XDG_CURRENT_DESKTOP=KDE"),
                          QStringLiteral("KDE_FULL_SESSION=true"),
                          QStringLiteral("KDE_SESSION_VERSION=5"),
                          QStringLiteral("QT_QUICK_BACKEND=software")}};
}

// XEmbed trays, each alone on the display as on a window-manager desktop;
// they place icons in the order they docked, the newest at the right.
Host trayer() {
    return {.name = QStringLiteral("trayer"),
            .program = QStringLiteral("trayer"),
            .arguments = QStringLiteral("--edge bottom --align right --widthtype request "
                                        "--height 24 --SetDockType true --tint 0x3b4252 "
                                        "--transparent true --alpha 0")
                             .split(u' '),
            .panel = {0, screenHeight - 24, screenWidth, 24},
            .tray = {0, screenHeight - 24, screenWidth, 24},
            .ordersByArrival = true,
            .xembed = true};
}

Host tint2() {
    return {.name = QStringLiteral("tint2"),
            .program = QStringLiteral("tint2"),
            .panel = {0, 0, screenWidth, 30},
            .tray = {0, 0, screenWidth, 30},
            .ordersByArrival = true,
            .files = {{QStringLiteral("tint2rc"), QStringLiteral("tint2/tint2rc")}},
            .xembed = true};
}

Host i3bar() {
    return {.name = QStringLiteral("i3bar"),
            .program = QStringLiteral("i3"),
            .arguments = {QStringLiteral("-c"), QStringLiteral(GAPSEL_E2E_SOURCE_DIR "/i3.config")},
            .panel = {0, 0, screenWidth, 21},
            .tray = {0, 0, screenWidth, 21},
            .ordersByArrival = true,
            .xembed = true};
}

// sway refuses to run as root, so it and Waybar run as a user of their own.
const QString waybarUser = QStringLiteral("gapsel-e2e");

Host waybar() {
    return {.name = QStringLiteral("waybar"),
            .program = QStringLiteral("sway"),
            .arguments = {QStringLiteral("--config"),
                          QStringLiteral(GAPSEL_E2E_SOURCE_DIR "/sway.config")},
            .panel = {0, 0, screenWidth, 30},
            .tray = {screenWidth / 2, 0, screenWidth / 2, 30},
            .ordersByArrival = true,
            // sway draws into a window on the virtual display, which the tests'
            // screenshots and clicks reach.
            .variables = {QStringLiteral("WLR_BACKENDS=x11"), QStringLiteral("WLR_RENDERER=pixman"),
                          QStringLiteral("WLR_X11_OUTPUTS=1"),
                          QStringLiteral("XDG_CURRENT_DESKTOP=sway")},
            .files = {{QStringLiteral("waybar.jsonc"), QStringLiteral("waybar/config")}},
            .configure =
                [](VirtualDesktop& desktop) {
                    const bool userExists =
                        desktop.run(QStringLiteral("id"), {waybarUser}).isEmpty();
                    return userExists
                               ? QString()
                               : desktop.run(QStringLiteral("useradd"),
                                             {QStringLiteral("--system"),
                                              QStringLiteral("--no-create-home"), waybarUser});
                },
            .prepare =
                [](VirtualDesktop& desktop) {
                    // The user has to reach its runtime folder through the test's.
                    for (QDir folder(desktop.home()); folder.cdUp() && folder != QDir::temp();)
                        QFile::setPermissions(folder.path(),
                                              QFile::permissions(folder.path()) | QFile::ExeOther);
                    return desktop.run(QStringLiteral("chown"),
                                       {QStringLiteral("-R"), waybarUser, desktop.home()});
                },
            .user = waybarUser};
}
} // namespace

Host xfceWithTrayAtRightEnd(const QStringList& hiddenIds) {
    Host host = xfce();
    // Set through xfconf, from which the panel reads its layout as it starts.
    const QString set = QStringLiteral("xfconf-query -c xfce4-panel -n -p ");
    host.commands = {set + QStringLiteral("/panels/panel-1/plugin-ids -a -t int -s 2 -t int -s 1"),
                     set + QStringLiteral("/plugins/plugin-2 -t string -s separator"),
                     set + QStringLiteral("/plugins/plugin-2/expand -t bool -s true")};
    if (!hiddenIds.isEmpty())
        host.commands.append(set +
                             QStringLiteral("/plugins/plugin-1/hidden-items -a -t string -s ") +
                             hiddenIds.join(QStringLiteral(" -t string -s ")));
    return host;
}

const Host& hostNamed(const QString& name) {
    static const QList<Host> hosts{xfce(),   lxqt(),   gnome(), plasma(),
                                   waybar(), trayer(), tint2(), i3bar()};
    for (const Host& host : hosts)
        if (host.name == name)
            return host;
    return hosts.front();
}

QStringList xfceKnownItems(const VirtualDesktop& desktop) {
    return platform::xdg::XfconfStringArray(desktop.bus(), QStringLiteral("xfce4-panel"),
                                            QStringLiteral("/plugins/plugin-1/known-items"))
        .read()
        .value_or(QStringList());
}

QStringList chosenHosts() {
    const QString chosen = qEnvironmentVariable("GAPSEL_E2E_HOSTS");
    return chosen.isEmpty() ? QStringList{QStringLiteral("xfce"), QStringLiteral("lxqt"),
                                          QStringLiteral("gnome"), QStringLiteral("trayer"),
                                          QStringLiteral("tint2")}
                            : chosen.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

} // namespace e2e
