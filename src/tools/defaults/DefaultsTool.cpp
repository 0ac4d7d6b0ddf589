// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "tools/defaults/DefaultsTool.h"

#include "defaults/UserDefaults.h"
#include "tools/defaults/DefaultsCommand.h"
#include "tools/defaults/DomainFiles.h"
#include "tools/defaults/OwnKeys.h"
#include "tools/defaults/ValueText.h"

namespace tools {

namespace {

constexpr int usageError = 2;

int missing(const DefaultsCommand& command, QTextStream& err) {
    err << QStringLiteral("The domain/default pair of (%1, %2) does not exist\n")
               .arg(command.domain, command.key);
    return 1;
}

// The stored value of the command's key; none (and the message said) when
// the domain or the key is not there, or the domain cannot be read.
std::optional<QVariant> storedValue(const DefaultsCommand& command, QTextStream& err) {
    const auto stored = storedDomain(command.domain, err);
    if (!stored)
        return std::nullopt;
    if (!stored->contains(command.key)) {
        missing(command, err);
        return std::nullopt;
    }
    return stored->value(command.key);
}

// Every domain that can be read; those that cannot are named on `err`.
int readAll(QTextStream& out, QTextStream& err) {
    int status = 0;
    for (const QString& name : domainNames()) {
        if (const auto stored = storedDomain(name, err))
            out << name << QStringLiteral(" = ") << describeValue(*stored) << QStringLiteral(";\n");
        else
            status = 1;
    }
    return status;
}

int read(const DefaultsCommand& command, QTextStream& out, QTextStream& err) {
    if (command.domain.isEmpty())
        return readAll(out, err);
    if (command.key.isEmpty()) {
        const auto stored = storedDomain(command.domain, err);
        if (!stored)
            return 1;
        out << describeValue(*stored) << '\n';
        return 0;
    }
    const auto value = storedValue(command, err);
    if (!value)
        return 1;
    // A string on its own is printed as it is, for scripts.
    out << (value->typeId() == QMetaType::QString ? value->toString() : describeValue(*value))
        << '\n';
    return 0;
}

int readType(const DefaultsCommand& command, QTextStream& out, QTextStream& err) {
    const auto value = storedValue(command, err);
    if (!value)
        return 1;
    out << QStringLiteral("Type is %1\n").arg(typeName(*value));
    return 0;
}

int couldNotWrite(const DefaultsCommand& command, QTextStream& err) {
    err << QStringLiteral("Could not write %1 in %2\n").arg(command.key, command.domain);
    return 1;
}

int write(const DefaultsCommand& command, QTextStream& err) {
    const auto domain = UserDefaults::openSuite(command.domain);
    warnAboutOwnKeys(domain, {{command.key, command.value}}, err);
    return domain->set(command.value, command.key) ? 0 : couldNotWrite(command, err);
}

// Appends under the domain's lock, to the array in the file at that moment.
int arrayAdd(const DefaultsCommand& command, QTextStream& err) {
    const auto domain = UserDefaults::openSuite(command.domain);
    bool notAnArray = false;
    QVariantList appended;
    const bool stored = domain->update(command.key, [&](const QVariant& current) {
        notAnArray = current.isValid() && current.typeId() != QMetaType::QVariantList;
        if (notAnArray)
            return std::optional<QVariant>(current);
        appended = current.toList() + command.value.toList();
        return std::optional<QVariant>(appended);
    });
    if (notAnArray) {
        err << QStringLiteral("The value of %1 is not an array; nothing was added\n")
                   .arg(command.key);
        return 1;
    }
    if (!stored)
        return couldNotWrite(command, err);
    warnAboutOwnKeys(domain, {{command.key, appended}}, err);
    return 0;
}

int remove(const DefaultsCommand& command, QTextStream& err) {
    if (command.key.isEmpty())
        return deleteDomain(command.domain, err);
    if (!storedValue(command, err))
        return 1;
    return UserDefaults::openSuite(command.domain)->removeObject(command.key) ? 0 : 1;
}

int run(const DefaultsCommand& command, QTextStream& out, QTextStream& err, QIODevice* in) {
    using Verb = DefaultsCommand::Verb;
    switch (command.verb) {
    case Verb::Help:
        out << defaultsUsage();
        return 0;
    case Verb::Version:
        out << QStringLiteral("gapsel-defaults %1\n").arg(QStringLiteral(GAPSEL_VERSION));
        return 0;
    case Verb::Domains:
        out << domainNames().join(QStringLiteral(", ")) << '\n';
        return 0;
    case Verb::Read:
        return read(command, out, err);
    case Verb::ReadType:
        return readType(command, out, err);
    case Verb::Write:
        return write(command, err);
    case Verb::ArrayAdd:
        return arrayAdd(command, err);
    case Verb::Delete:
        return remove(command, err);
    case Verb::Export:
        return exportDomain(command.domain, command.file, out, err);
    case Verb::Import:
        return importDomain(command.domain, command.file, in, err);
    }
    return usageError;
}

} // namespace

int runDefaultsTool(const QStringList& arguments, QTextStream& out, QTextStream& err,
                    QIODevice* in) {
    const ParsedCommand parsed = parseDefaultsCommand(arguments);
    if (!parsed.command) {
        err << QStringLiteral("gapsel-defaults: %1; see --help\n").arg(parsed.error);
        return usageError;
    }
    return run(*parsed.command, out, err, in);
}

} // namespace tools
