// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TrayItemTitle.h"

#include <QCoreApplication>
#include <QList>

namespace platform::xdg {

namespace {
QString nameOf(const QString& glyph) {
    static const QList<std::pair<QString, QString>> names{
        {QStringLiteral(" "), QStringLiteral(QT_TRANSLATE_NOOP("TrayItemTitle", "space"))},
        {QStringLiteral("\t"), QStringLiteral(QT_TRANSLATE_NOOP("TrayItemTitle", "tab"))},
        {QStringLiteral("\u00B7"),
         QStringLiteral(QT_TRANSLATE_NOOP("TrayItemTitle", "middle dot"))},
        {QStringLiteral("\u2022"), QStringLiteral(QT_TRANSLATE_NOOP("TrayItemTitle", "bullet"))},
        {QStringLiteral("|"), QStringLiteral(QT_TRANSLATE_NOOP("TrayItemTitle", "vertical line"))},
        {QStringLiteral("-"), QStringLiteral(QT_TRANSLATE_NOOP("TrayItemTitle", "hyphen"))},
        {QStringLiteral("\u2014"), QStringLiteral(QT_TRANSLATE_NOOP("TrayItemTitle", "em dash"))},
    };
    for (const auto& [character, name] : names)
        if (glyph == character)
            return QCoreApplication::translate("TrayItemTitle", name.toUtf8().constData());
    return QStringLiteral("\u201C%1\u201D").arg(glyph);
}
} // namespace

QString trayItemTitle(const QString& kind, const QString& glyph) {
    return QCoreApplication::translate("TrayItemTitle", "%1: %2").arg(kind, nameOf(glyph));
}

} // namespace platform::xdg
