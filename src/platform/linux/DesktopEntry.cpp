// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/DesktopEntry.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <iterator>
#include <span>
#include <utility>

namespace platform::xdg {

namespace {
// Value escapes of the desktop entry format: the letter after the backslash
// and the character it stands for.
constexpr std::pair<char, char> valueEscapes[] = {
    {'\\', '\\'}, {'n', '\n'}, {'t', '\t'}, {'r', '\r'}, {'s', ' '}};
// All but "\s", which writing has no need for.
constexpr auto writtenEscapes = std::span(valueEscapes).first<4>();

QString unescapeValue(const QString& raw) {
    QString value;
    value.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != QLatin1Char('\\') || i + 1 == raw.size()) {
            value += raw[i];
            continue;
        }
        const QChar next = raw[++i];
        const auto* escape =
            std::find_if(std::begin(valueEscapes), std::end(valueEscapes),
                         [next](const auto& e) { return next == QLatin1Char(e.first); });
        if (escape != std::end(valueEscapes))
            value += QLatin1Char(escape->second);
        else
            value += QLatin1Char('\\') + next;
    }
    return value;
}
} // namespace

std::optional<QMap<QString, QString>> parseDesktopEntryMainGroup(const QByteArray& text) {
    QMap<QString, QString> keys;
    bool inMainGroup = false;
    bool sawMainGroup = false;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')))
                return std::nullopt;
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            sawMainGroup = sawMainGroup || inMainGroup;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return std::nullopt;
        if (inMainGroup)
            keys.insert(line.left(equals).trimmed(), unescapeValue(line.mid(equals + 1).trimmed()));
    }
    if (!sawMainGroup)
        return std::nullopt;
    return keys;
}

QString escapeDesktopEntryValue(const QString& value) {
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        const auto escape = std::find_if(writtenEscapes.begin(), writtenEscapes.end(),
                                         [c](const auto& e) { return c == QLatin1Char(e.second); });
        if (escape != writtenEscapes.end()) {
            escaped += QLatin1Char('\\');
            escaped += QLatin1Char(escape->first);
        } else {
            escaped += c;
        }
    }
    return escaped;
}

QString quoteExecArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString doubled = argument;
    doubled.replace(QLatin1Char('%'), QStringLiteral("%%"));
    const bool plain =
        !doubled.isEmpty() &&
        std::none_of(doubled.begin(), doubled.end(), [](QChar c) { return reserved.contains(c); });
    if (plain)
        return doubled;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : doubled) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

std::optional<QStringList> splitExecLine(const QString& exec) {
    QStringList arguments;
    QString current;
    bool inQuotes = false;
    bool hasArgument = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (inQuotes && c == QLatin1Char('\\') && i + 1 < exec.size()) {
            current += exec[++i];
        } else if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            hasArgument = true;
        } else if (!inQuotes && c.isSpace()) {
            if (hasArgument)
                arguments << current;
            current.clear();
            hasArgument = false;
        } else if (c == QLatin1Char('%') && i + 1 < exec.size() &&
                   exec[i + 1] == QLatin1Char('%')) {
            current += c;
            ++i;
            hasArgument = true;
        } else {
            current += c;
            hasArgument = true;
        }
    }
    if (inQuotes)
        return std::nullopt;
    if (hasArgument)
        arguments << current;
    return arguments;
}

std::optional<QString> desktopEntryProgram(const QMap<QString, QString>& keys) {
    QString program = keys.value(QStringLiteral("TryExec"));
    if (program.isEmpty())
        program =
            splitExecLine(keys.value(QStringLiteral("Exec"))).value_or(QStringList()).value(0);
    if (program.isEmpty())
        return std::nullopt;
    if (!program.contains(QLatin1Char('/')))
        program = QStandardPaths::findExecutable(program);
    const QFileInfo info(program);
    if (program.isEmpty() || !info.isFile() || !info.isExecutable())
        return std::nullopt;
    return program;
}

} // namespace platform::xdg
