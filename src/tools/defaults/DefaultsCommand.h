// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace tools {

// One invocation of gapsel-defaults, understood but not yet carried out.
struct DefaultsCommand {
    enum class Verb {
        Help,
        Version,
        Domains,
        Read,
        ReadType,
        Write,
        ArrayAdd,
        Delete,
        Export,
        Import
    };
    Verb verb = Verb::Help;
    QString domain; // empty: every domain (read only)
    QString key;    // empty: the whole domain
    QVariant value; // Write: the value; ArrayAdd: the list of items to append
    QString file;   // Export, Import: a path, or "-" for standard output or input
};

// Either a command or the reason the arguments make none, in one line.
struct ParsedCommand {
    std::optional<DefaultsCommand> command;
    QString error;
};

ParsedCommand parseDefaultsCommand(const QStringList& arguments);
QString defaultsUsage();

} // namespace tools
