// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TrayItemTitle.h"

#include <QList>

namespace platform::xdg {

namespace {
QString nameOf(const QString& glyph) {
    static const QList<std::pair<QString, QString>> names{
        {QStringLiteral(" "), QStringLiteral("space")},
        {QStringLiteral("\t"), QStringLiteral("tab")},
        {QStringLiteral("\u00B7"), QStringLiteral("middle dot")},
        {QStringLiteral("\u2022"), QStringLiteral("bullet")},
        {QStringLiteral("|"), QStringLiteral("vertical line")},
        {QStringLiteral("-"), QStringLiteral("hyphen")},
        {QStringLiteral("\u2014"), QStringLiteral("em dash")},
    };
    for (const auto& [character, name] : names)
        if (glyph == character)
            return name;
    return QStringLiteral("\u201C%1\u201D").arg(glyph);
}
} // namespace

QString trayItemTitle(const QString& kind, const QString& glyph) {
    return kind + QStringLiteral(": ") + nameOf(glyph);
}

} // namespace platform::xdg
