// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/CommandLine.h"

#include "kit/JXKit.h"
#include "kit/SupportGestures.h"
#include "platform/MainQueue.h"
#include "platform/WindowOpener.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace app {

namespace {

constexpr int usageError = 2;

// Options that Qt's application object reads itself: a theme, a style sheet,
// the platform, right-to-left... They are accepted here, left out of the
// help, and handed on to Qt untouched.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption qtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"session", true},
    {"display", true},
    {"geometry", true},
    {"name", true},
    {"style", true},
    {"stylesheet", true},
    {"qmljsdebugger", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
};

void addQtOptions(QCommandLineParser& parser) {
    for (const QtOption& qt : qtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The parser names the program after the application's arguments. Before
// Gapsel's application exists, a bare core application (it opens no
// display and no bus) stands in while the help is written.
QString helpText(const QCommandLineParser& parser) {
    if (QCoreApplication::instance())
        return parser.helpText();
    char name[] = "gapsel";
    char* arguments[] = {name, nullptr};
    int count = 1;
    const QCoreApplication standIn(count, arguments);
    return parser.helpText();
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    // "-style", as Qt's options are written, is one option, not five letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Separators for the system tray."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and leave."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and leave."));
    parser.addOptions({help, version});
    for (const CommandLineOption& option : commandLineOptions)
        parser.addOption({QString::fromLatin1(option.name), QString::fromUtf8(option.description)});
    addQtOptions(parser);

    CommandLine result;
    QString problem;
    if (!parser.parse(arguments))
        problem = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        problem = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments()[0]);
    if (!problem.isEmpty()) {
        result.exit =
            Exit{usageError, {}, QStringLiteral("gapsel: %1\nTry 'gapsel --help'.\n").arg(problem)};
    } else if (parser.isSet(help)) {
        result.exit = Exit{0, helpText(parser), {}};
    } else if (parser.isSet(version)) {
        result.exit =
            Exit{0, QStringLiteral("Gapsel %1\n").arg(QStringLiteral(GAPSEL_VERSION)), {}};
    }
    for (const CommandLineOption& option : commandLineOptions) {
        if (parser.isSet(QString::fromLatin1(option.name)))
            result.options.insert(QString::fromLatin1(option.name));
    }
    for (const QtOption& qt : qtOptions) {
        if (qt.takesValue && parser.isSet(QString::fromLatin1(qt.name)))
            result.qtOptionValues.insert(QString::fromLatin1(qt.name),
                                         parser.value(QString::fromLatin1(qt.name)));
    }
    return result;
}

QStringList CommandLine::forwardedOptions() const {
    QStringList names;
    for (const CommandLineOption& option : commandLineOptions) {
        if (option.forwarded && has(option.name))
            names << QString::fromLatin1(option.name);
    }
    return names;
}

CommandLine CommandLine::fromForwarded(const QStringList& names) {
    CommandLine result;
    for (const CommandLineOption& option : commandLineOptions) {
        if (option.forwarded && names.contains(QString::fromLatin1(option.name)))
            result.options.insert(QString::fromLatin1(option.name));
    }
    return result;
}

void scheduleRequests(const CommandLine& commandLine, JXKit& kit) {
    const platform::Platform platform = kit.platform();
    if (commandLine.has("support"))
        platform.mainQueue.async([&opener = platform.supportWindow] { opener.open(); });
    if (commandLine.has("delete-data"))
        platform.mainQueue.async([&kit] { kit::confirmDataDeletionAtStartup(kit); });
}

} // namespace app
