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
    enum class Verb { Help, Read, Write, Delete };
    Verb verb = Verb::Help;
    QString suite; // empty: every suite (read only)
    QString key;   // empty: the whole suite
    QVariant value;
};

// Either a command or the reason the arguments make none.
struct ParsedCommand {
    std::optional<DefaultsCommand> command;
    QString error;
};

ParsedCommand parseDefaultsCommand(const QStringList& arguments);
QString defaultsUsage();

} // namespace tools
