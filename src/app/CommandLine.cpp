// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/CommandLine.h"

#include "kit/SupportGestures.h"
#include "platform/MainQueue.h"
#include "platform/WindowOpener.h"

#include <algorithm>

namespace app {

namespace {

constexpr int usageError = 2;

QString optionLine(const QString& names, const QString& description) {
    return QStringLiteral("  %1%2\n").arg(names, -24).arg(description);
}

bool isKnownOption(const QString& name) {
    return std::any_of(
        std::begin(commandLineOptions), std::end(commandLineOptions),
        [&](const CommandLineOption& option) { return name == QLatin1String(option.name); });
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
    CommandLine result;
    bool help = false;
    bool version = false;
    QString problem;
    for (const QString& argument : arguments.mid(1)) {
        // Every option is a switch, with one dash or two ("-help" too).
        const bool isOption = argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
        const QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
        if (!isOption || name.isEmpty())
            problem = QStringLiteral("Unexpected argument '%1'.").arg(argument);
        else if (name.contains(QLatin1Char('=')))
            problem =
                QStringLiteral("Unexpected value after '%1'.").arg(argument.section(u'=', 0, 0));
        else if (name == QStringLiteral("h") || name == QStringLiteral("help"))
            help = true;
        else if (name == QStringLiteral("v") || name == QStringLiteral("version"))
            version = true;
        else if (isKnownOption(name))
            result.options.insert(name);
        else
            problem = QStringLiteral("Unknown option '%1'.").arg(name);
        if (!problem.isEmpty())
            break;
    }
    if (!problem.isEmpty())
        result.exit = Exit{usageError, {}, QStringLiteral("gapsel: %1\n\n").arg(problem) + usage()};
    else if (help)
        result.exit = Exit{0, usage(), {}};
    else if (version)
        result.exit =
            Exit{0, QStringLiteral("Gapsel %1\n").arg(QStringLiteral(GAPSEL_VERSION)), {}};
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
