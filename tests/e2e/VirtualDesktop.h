// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "Host.h"

#include <QDBusConnection>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <memory>
#include <vector>

namespace e2e {

// A program on a test's desktop, Gapsel itself unless another is named,
// ended with the test.
class Program {
public:
    explicit Program(QString program = QStringLiteral(GAPSEL_EXECUTABLE))
        : program_(std::move(program)) {}
    ~Program() { stop(); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts it, passing what it writes through to the test's own output on
    // the channels `forwarded` names.
    bool start(const QProcessEnvironment& environment, const QStringList& arguments = {},
               QProcess::ProcessChannelMode forwarded = QProcess::ForwardedChannels);
    // Ends it as a session's end does (SIGTERM).
    void stop();
    bool running() const { return process_.state() == QProcess::Running; }
    qint64 processId() const { return process_.processId(); }
    // What it wrote since its last start on the channels not passed through.
    QString output();

private:
    QString program_;
    QProcess process_;
    QString output_;
};

// A desktop of the test's own: an X server without a screen (Xvfb), a private
// session bus and one real tray host, which shows StatusNotifierItems.
// Everything lives below one folder and ends with this object; the user's own
// session is never touched.
class VirtualDesktop {
public:
    // HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR go below `home`, a fresh folder.
    VirtualDesktop(QString home, Host host);
    ~VirtualDesktop();
    VirtualDesktop(const VirtualDesktop&) = delete;
    VirtualDesktop& operator=(const VirtualDesktop&) = delete;

    // These return what failed, or an empty string. start() starts the
    // display, the bus and the host, and waits until the tray's watcher
    // reports a host; startWithoutHost() leaves a desktop on which nothing
    // shows tray items; restartHost() ends the host as a crash would and
    // starts it again.
    QString start();
    QString startWithoutHost();
    QString restartHost();

    // Copies files below the configuration folder as a host's are: what failed.
    QString copyFiles(const QList<std::pair<QString, QString>>& files) const;

    const Host& host() const { return host_; }
    QProcessEnvironment environment() const { return environment_; }
    void setVariable(const QString& name, const QString& value) {
        environment_.insert(name, value);
    }
    QString home() const { return home_; }
    QString configHome() const { return home_ + QStringLiteral("/config"); }
    // A connection of the test's own to the desktop's bus.
    QDBusConnection bus() const;
    // The whole screen, as the display has it; null if it cannot be read.
    QImage screenshot() const;
    // Keeps `screen` (by default the screen as it is now) in the tests'
    // output folder as <host>/<name>.png.
    void saveScreenshot(const QString& name, QImage screen = {}) const;
    // The screen once the host has finished its start: no more animations.
    QImage settledScreen() const;
    // What the host and the services beside it (display, buses) wrote so far.
    QString hostLog() const;
    // Whether an XEmbed tray owns the screen's tray selection.
    bool hasXEmbedTray() const;

    // Starts a program that runs beside the host until the desktop ends and
    // returns the first line it prints (an address, a number).
    QString startService(const QString& program, const QStringList& arguments);
    // Run a program on the desktop to its end: what failed or an empty
    // string; what it printed.
    QString run(const QString& program, const QStringList& arguments) const;
    QString output(const QString& program, const QStringList& arguments) const;
    // Runs xdotool with these words (separated by single spaces); what it printed.
    QString xdotool(const QString& words) const;
    // The first visible window that xdotool's search with these terms finds.
    QString visibleWindow(const QStringList& search) const;
    // Where the visible window titled `name` is; null when there is none.
    QRect windowNamed(const QString& name) const;

private:
    QString startDisplay();
    QString startBus();
    QString startHost();
    // Reserves the host's panel band of the screen, as a window manager does
    // for a panel, so that programs see the work area a desktop has.
    void reservePanelArea() const;
    // The tests' output folder for this host: screenshots and logs.
    QString outputFolder() const;
    void keepHostLog() const;

    QString home_;
    Host host_;
    QProcessEnvironment environment_;
    QString busAddress_;
    QProcess hostProcess_;
    std::vector<std::unique_ptr<QProcess>> services_;
};

// What the file at `path` holds; empty when it cannot be read.
QByteArray readFile(const QString& path);

} // namespace e2e
