// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/AppLog.h"
#include "app/AppMain.h"
#include "app/CommandLine.h"
#include "app/Translations.h"
#include "app/ui/AppWindows.h"
#include "debug/InMemoryLog.h"
#include "debug/MessageHandler.h"
#include "defaults/UserDefaults.h"
#include "kit/ModifierGesture.h"
#include "platform/linux/DisplayAvailability.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/SingleInstance.h"
#include "platform/linux/TerminationSignals.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

// The command line's own answer (help, version, a mistake), written before
// anything connects to a display or a bus.
int leave(const app::CommandLine::Exit& exit) {
    QTextStream(stdout) << exit.standardOutput;
    QTextStream(stderr) << exit.standardError;
    return exit.code;
}

// Start-up gestures named on the command line, for desktops where the keys
// held at start cannot be read (Wayland).
platform::ModifierFlags gestureFrom(const app::CommandLine& commandLine) {
    return commandLine.has("debug") ? kit::debugModeGesture : platform::ModifierFlags();
}

} // namespace

int main(int argc, char** argv) {
    // What the program logs from its first line on, kept for the debug
    // window and the debug information.
    debug::InMemoryLog log;
    const debug::MessageHandler messages(log);
    const app::CommandLine commandLine = app::CommandLine::parse(argumentsOf(argc, argv));
    if (commandLine.exit)
        return leave(*commandLine.exit);
    // Qt would abort without a display; a line says why instead.
    if (!platform::xdg::hasDisplay({commandLine.qtOptionValues.value(QStringLiteral("platform")),
                                    commandLine.qtOptionValues.value(QStringLiteral("display"))})) {
        QTextStream(stderr) << QStringLiteral(
            "Gapsel needs a graphical session: no display found\n");
        return 1;
    }

    QApplication application(argc, argv);
    // A tray utility has no main window: closing the last window (settings,
    // debug) must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    app::installTranslations(QLocale::system(), QLibraryInfo::path(QLibraryInfo::TranslationsPath));

    // Starting Gapsel while it runs changes nothing: the new process tells the
    // running one and leaves. Only a relaunch waits for its predecessor.
    platform::xdg::SingleInstance instance(
        QStringLiteral(GAPSEL_BUNDLE_ID),
        UserDefaults::suitePath(QStringLiteral(GAPSEL_BUNDLE_ID)));
    const bool isNewInstance = commandLine.has("new-instance"); // platform::newInstanceArgument
    switch (instance.claim(isNewInstance, commandLine.forwardedOptions())) {
    case platform::xdg::SingleInstance::Claim::Granted:
        break;
    case platform::xdg::SingleInstance::Claim::AnotherIsRunning:
        QTextStream(stderr) << QStringLiteral("Gapsel is already running (pid %1)\n")
                                   .arg(instance.runningProcessId());
        return 0;
    case platform::xdg::SingleInstance::Claim::Failed:
        QTextStream(stderr) << QStringLiteral("Gapsel cannot start: %1\n").arg(instance.problem());
        return 1;
    }

    const platform::xdg::TerminationSignals termination([] { QCoreApplication::quit(); });
    platform::xdg::LinuxPlatform desktop(gestureFrom(commandLine));
    AppMain app(desktop.platform(), log);
    const app::AppWindows windows(app, desktop.platform());
    app::scheduleRequests(commandLine, app.jxkit());
    // A later start that asks for something (--support, --delete-data) has
    // it done here.
    instance.onStartedAgain([&kit = app.jxkit()](const QStringList& requests) {
        qCInfo(appLog, "Gapsel was started again while running, asked for: %s",
               requests.isEmpty() ? "nothing" : qPrintable(requests.join(QStringLiteral(", "))));
        app::scheduleRequests(app::CommandLine::fromForwarded(requests), kit);
    });
    return QApplication::exec();
}
