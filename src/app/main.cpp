// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/AppMain.h"
#include "app/CommandLine.h"
#include "app/ui/AppWindows.h"
#include "debug/InMemoryLog.h"
#include "platform/Workspace.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/SingleInstance.h"
#include "platform/linux/TerminationSignals.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // Help and version need no display: answered before Qt connects to one.
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    const app::CommandLine commandLine = app::parseCommandLine(arguments);
    if (commandLine.showsHelp || commandLine.showsVersion) {
        const QString text = commandLine.showsHelp ? commandLine.helpText : commandLine.versionText;
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication application(argc, argv);
    // A tray utility has no main window: closing the last window (settings,
    // debug) must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    // Starting Gapsel while it runs changes nothing: the new process tells the
    // running one and leaves. Only a relaunch waits for its predecessor.
    platform::xdg::SingleInstance instance(QStringLiteral(GAPSEL_BUNDLE_ID));
    const bool isNewInstance =
        QCoreApplication::arguments().contains(QString::fromLatin1(platform::newInstanceArgument));
    if (instance.claim(isNewInstance) == platform::xdg::SingleInstance::Claim::AnotherIsRunning)
        return 0;
    instance.onStartedAgain([] {
        debug::InMemoryLog::shared().append(
            QStringLiteral("Gapsel was started again while running; nothing to open."));
    });

    const platform::xdg::TerminationSignals termination([] { QCoreApplication::quit(); });
    platform::xdg::LinuxPlatform desktop;
    const AppMain app(desktop.platform());
    const app::AppWindows windows(app.jxkit(), desktop.platform());
    app::scheduleRequests(commandLine, desktop.platform());
    return QApplication::exec();
}
