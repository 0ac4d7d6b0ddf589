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

// One argument read: the option it names ("help", "version" or one of
// commandLineOptions), or what is wrong with it. Every option is a switch,
// given with one dash or two ("-help" too).
struct Argument {
    QString option;
    QString problem;
};

Argument readArgument(const QString& argument) {
    const QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    if (!argument.startsWith(QLatin1Char('-')) || name.isEmpty())
        return {{}, QStringLiteral("Unexpected argument '%1'.").arg(argument)};
    if (name.contains(QLatin1Char('=')))
        return {{},
                QStringLiteral("Unexpected value after '%1'.").arg(argument.section(u'=', 0, 0))};
    if (name == QStringLiteral("h") || name == QStringLiteral("help"))
        return {QStringLiteral("help"), {}};
    if (name == QStringLiteral("v") || name == QStringLiteral("version"))
        return {QStringLiteral("version"), {}};
    if (isKnownOption(name))
        return {name, {}};
    return {{}, QStringLiteral("Unknown option '%1'.").arg(name)};
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
    for (const QString& argument : arguments.mid(1)) {
        const Argument given = readArgument(argument);
        if (!given.problem.isEmpty()) {
            const QString error = QStringLiteral("gapsel: %1\n\n").arg(given.problem);
            result.exit = Exit{usageError, {}, error + usage()};
            return result;
        }
        result.options.insert(given.option);
    }
    if (result.has("help"))
        result.exit = Exit{0, usage(), {}};
    else if (result.has("version"))
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
