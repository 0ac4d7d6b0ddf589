// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform::xdg {

// The parts of the freedesktop desktop entry format that autostart entries
// use: the [Desktop Entry] group's keys, and the quoting of a command line.

// The keys of the [Desktop Entry] group, or none when the text has no such
// group or a line in it is not "Key=Value", a comment or blank.
std::optional<QMap<QString, QString>> parseDesktopEntryMainGroup(const QByteArray& text);

// A string value as the file holds it: backslash, newline, tab and carriage
// return escaped (the reading side of parseDesktopEntryMainGroup).
QString escapeDesktopEntryValue(const QString& value);

// One argument of an Exec line: quoted when it holds anything but plain
// characters, with ", `, $ and \ escaped inside the quotes and % doubled.
QString quoteExecArgument(const QString& argument);

// The arguments of an Exec line, undoing quoteExecArgument; none when the quotes
// do not close.
std::optional<QStringList> splitExecLine(const QString& exec);

// The program an entry starts (TryExec when given, else the first word of
// Exec), as an executable file's path; none when there is no such file.
std::optional<QString> desktopEntryProgram(const QMap<QString, QString>& keys);

} // namespace platform::xdg
