// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QDBusConnection>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

namespace e2e {

// A desktop of the test's own: an X server without a screen (Xvfb), a private
// session bus and XFCE's panel holding only its tray, which hosts
// StatusNotifierItems. Everything lives below one folder and ends with this
// object; the user's own session is never touched.
class VirtualDesktop {
public:
    // `home` is a fresh folder: HOME, XDG_CONFIG_HOME (with the panel's
    // configuration, the file of that name in the test's sources) and
    // XDG_RUNTIME_DIR go below it.
    explicit VirtualDesktop(QString home,
                            const QString& panelConfiguration = QStringLiteral("xfce4-panel.xml"));
    ~VirtualDesktop();
    VirtualDesktop(const VirtualDesktop&) = delete;
    VirtualDesktop& operator=(const VirtualDesktop&) = delete;

    // Starts the display, the bus and the panel, and waits until the tray's
    // watcher reports a host; without `withTray`, no panel. Returns what
    // failed, or an empty string.
    QString start(bool withTray = true);
    // The panel's configuration file, to change before start().
    QString panelConfigurationFile() const;

    // Ends the panel at once, as a crash would, and starts it again. Returns
    // what failed, or an empty string.
    QString restartPanel();

    // The environment for a program that is to run on this desktop.
    QProcessEnvironment environment() const { return environment_; }
    QString configHome() const;
    // A connection of the test's own to the desktop's bus.
    QDBusConnection bus() const;
    // The whole screen, as `xwd` dumps it; null if that fails.
    QImage screenshot() const;

private:
    QString startDisplay();
    QString startBus();
    QString startPanel();
    QString hostConnectionName() const;
    // Reserves the panel's strip of the screen, as a window manager does for
    // a panel, so that programs see the work area a desktop has.
    void reservePanelArea() const;

    QString home_;
    QProcessEnvironment environment_;
    QString display_;
    QString busAddress_;
    QProcess displayServer_;
    QProcess busDaemon_;
    QProcess panel_;
};

} // namespace e2e
