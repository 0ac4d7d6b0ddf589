// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "tools/defaults/DefaultsTool.h"

#include "defaults/Key.h"
#include "defaults/UserDefaults.h"
#include "tools/defaults/DefaultsCommand.h"
#include "tools/defaults/ValueText.h"

#include <QDir>
#include <QFileInfo>

namespace tools {

namespace {

bool suiteExists(const QString& name) {
    return QFileInfo::exists(UserDefaults::folder() + QLatin1Char('/') + name +
                             QStringLiteral(".plist"));
}

QStringList allSuites() {
    QStringList names;
    const QStringList files =
        QDir(UserDefaults::folder()).entryList({QStringLiteral("*.plist")}, QDir::Files);
    for (const QString& file : files)
        names << file.chopped(static_cast<qsizetype>(sizeof(".plist") - 1));
    return names;
}

int missing(const DefaultsCommand& command, QTextStream& err) {
    if (command.key.isEmpty())
        err << QStringLiteral("Suite %1 does not exist\n").arg(command.suite);
    else
        err << QStringLiteral("The suite/key pair of (%1, %2) does not exist\n")
                   .arg(command.suite, command.key);
    return 1;
}

int read(const DefaultsCommand& command, QTextStream& out, QTextStream& err) {
    if (command.suite.isEmpty()) {
        for (const QString& name : allSuites())
            out << name << QStringLiteral(" = ")
                << describeValue(UserDefaults::suite(name)->persistentDomain())
                << QStringLiteral(";\n");
        return 0;
    }
    if (!suiteExists(command.suite))
        return missing(command, err);
    const QVariantMap stored = UserDefaults::suite(command.suite)->persistentDomain();
    if (command.key.isEmpty()) {
        out << describeValue(stored) << '\n';
        return 0;
    }
    if (!stored.contains(command.key))
        return missing(command, err);
    const QVariant value = stored.value(command.key);
    // A string on its own is printed as it is, for scripts.
    out << (value.typeId() == QMetaType::QString ? value.toString() : describeValue(value)) << '\n';
    return 0;
}

int write(const DefaultsCommand& command, QTextStream& err) {
    if (!UserDefaults::suite(command.suite)->set(command.value, command.key)) {
        err << QStringLiteral("Could not write %1 in %2\n").arg(command.key, command.suite);
        return 1;
    }
    return 0;
}

int remove(const DefaultsCommand& command, QTextStream& err) {
    if (!suiteExists(command.suite))
        return missing(command, err);
    auto suite = UserDefaults::suite(command.suite);
    if (command.key.isEmpty()) {
        Defaults::removeAll(*suite);
        return 0;
    }
    if (!suite->persistentDomain().contains(command.key))
        return missing(command, err);
    return suite->removeObject(command.key) ? 0 : 1;
}

} // namespace

int runDefaultsTool(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const ParsedCommand parsed = parseDefaultsCommand(arguments);
    if (!parsed.command) {
        err << "gapsel-defaults: " << parsed.error << "\n\n" << defaultsUsage();
        return 2;
    }
    const DefaultsCommand& command = *parsed.command;
    switch (command.verb) {
    case DefaultsCommand::Verb::Help:
        out << defaultsUsage();
        return 0;
    case DefaultsCommand::Verb::Read:
        return read(command, out, err);
    case DefaultsCommand::Verb::Write:
        return write(command, err);
    case DefaultsCommand::Verb::Delete:
        return remove(command, err);
    }
    return 2;
}

} // namespace tools
