// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/AppMain.h"
#include "app/ui/AppWindows.h"
#include "debug/DiagnosticSwitches.h"
#include "debug/InMemoryLog.h"
#include "kit/ModifierGesture.h"
#include "platform/Workspace.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/SingleInstance.h"
#include "platform/linux/TerminationSignals.h"

#include <QApplication>
#include <QCommandLineParser>

namespace {

// Start-up gestures named on the command line, for desktops where the keys
// held at start cannot be read (Wayland).
platform::ModifierFlags gestureFromCommandLine() {
    QCommandLineParser parser;
    const QCommandLineOption debug(QStringLiteral("debug"),
                                   QStringLiteral("Start in debug mode, as if Shift and Control "
                                                  "were held."));
    parser.addOption(debug);
    parser.parse(QCoreApplication::arguments());
    return parser.isSet(debug) ? kit::debugModeGesture : platform::ModifierFlags();
}

} // namespace

int main(int argc, char** argv) {
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
    debug::applyDiagnostics(*UserDefaults::standard());
    platform::xdg::LinuxPlatform desktop(gestureFromCommandLine());
    AppMain app(desktop.platform());
    const app::AppWindows windows(app, desktop.platform());
    return QApplication::exec();
}
