// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/CommandLine.h"

#include "kit/SupportGestures.h"
#include "platform/MainQueue.h"
#include "platform/WindowOpener.h"
#include "platform/Workspace.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace app {

namespace {

QCommandLineOption hidden(const QString& name) {
    QCommandLineOption option(name);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Separators for the system tray, to divide its icons into groups."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption support(
        QStringLiteral("support"),
        QStringLiteral("Open the support window (as holding Shift+Control+Alt at start does)."));
    const QCommandLineOption deleteData(
        QStringLiteral("delete-data"),
        QStringLiteral("Ask whether to delete all of Gapsel's data and settings, then start "
                       "afresh (as holding Shift+Control+Alt+Super at start does)."));
    parser.addOptions({support, deleteData});
    // Set by Gapsel itself when it relaunches or is started at login.
    parser.addOption(hidden(QString::fromLatin1(platform::newInstanceArgument).mid(2)));
    parser.addOption(hidden(QStringLiteral("launched-at-login")));
    // Options this build does not know are left to the parts that read them.
    parser.parse(arguments);

    CommandLine commandLine;
    commandLine.showsHelp = parser.isSet(help);
    commandLine.showsVersion = parser.isSet(version);
    commandLine.opensSupportWindow = parser.isSet(support);
    commandLine.asksToDeleteData = parser.isSet(deleteData);
    // Without an application object yet, Qt cannot name the program itself.
    commandLine.helpText = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                     QFileInfo(arguments.value(0)).fileName());
    commandLine.versionText = QStringLiteral(GAPSEL_BUNDLE_NAME " " GAPSEL_VERSION "\n");
    return commandLine;
}

void scheduleRequests(const CommandLine& commandLine, platform::Platform platform) {
    if (commandLine.opensSupportWindow)
        platform.mainQueue.async([&opener = platform.supportWindow] { opener.open(); });
    if (commandLine.asksToDeleteData)
        platform.mainQueue.async(kit::confirmDataDeletionAtStartup);
}

} // namespace app
