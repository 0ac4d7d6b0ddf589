// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/CommandLine.h"

#include "kit/SupportGestures.h"
#include "platform/MainQueue.h"
#include "platform/WindowOpener.h"

#include <QCommandLineParser>

namespace app {

namespace {

constexpr int usageError = 2;

QString optionLine(const QString& names, const QString& description) {
    return QStringLiteral("  %1%2\n").arg(names, -24).arg(description);
}

} // namespace

QString CommandLine::usage() {
    QString text = QStringLiteral("Usage: gapsel [options]\n"
                                  "Separators for the system tray.\n\nOptions:\n");
    text += optionLine(QStringLiteral("-h, --help"), QStringLiteral("Show this help and leave."));
    text +=
        optionLine(QStringLiteral("-v, --version"), QStringLiteral("Show the version and leave."));
    for (const CommandLineOption& option : commandLineOptions)
        text += optionLine(QStringLiteral("--") + QString::fromLatin1(option.name),
                           QString::fromUtf8(option.description));
    return text;
}

CommandLine CommandLine::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const CommandLineOption& option : commandLineOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name)));

    CommandLine result;
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString problem = parser.errorText().isEmpty()
                                    ? QStringLiteral("Unexpected argument '%1'.")
                                          .arg(parser.positionalArguments().value(0))
                                    : parser.errorText();
        result.exit = Exit{usageError, {}, QStringLiteral("gapsel: %1\n\n").arg(problem) + usage()};
    } else if (parser.isSet(help)) {
        result.exit = Exit{0, usage(), {}};
    } else if (parser.isSet(version)) {
        result.exit =
            Exit{0, QStringLiteral("Gapsel %1\n").arg(QStringLiteral(GAPSEL_VERSION)), {}};
    }
    for (const CommandLineOption& option : commandLineOptions) {
        if (parser.isSet(QString::fromLatin1(option.name)))
            result.options.insert(QString::fromLatin1(option.name));
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

void scheduleRequests(const CommandLine& commandLine, platform::Platform platform) {
    if (commandLine.has("support"))
        platform.mainQueue.async([&opener = platform.supportWindow] { opener.open(); });
    if (commandLine.has("delete-data"))
        platform.mainQueue.async(kit::confirmDataDeletionAtStartup);
}

} // namespace app
