// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QIODevice>
#include <QStringList>
#include <QTextStream>
#include <QVariantMap>

#include <optional>

// The verbs of gapsel-defaults that act on a domain's file as a whole. Each
// returns the tool's exit status and says on `err` what went wrong.
namespace tools {

// The domains in the configuration folder, by name.
QStringList domainNames();
bool domainExists(const QString& domain);
// What the domain's file holds, read without changing anything; none, and
// why said on `err`, when there is no such domain or its file cannot be read.
std::optional<QVariantMap> storedDomain(const QString& domain, QTextStream& err);

// Writes the domain as an XML property list to `file`, or to `out` for "-".
int exportDomain(const QString& domain, const QString& file, QTextStream& out, QTextStream& err);
// Replaces the domain, in one write, with the property list in `file` (XML or
// binary), or in `in` for "-".
int importDomain(const QString& domain, const QString& file, QIODevice* in, QTextStream& err);
// Removes the domain's file.
int deleteDomain(const QString& domain, QTextStream& err);

} // namespace tools
