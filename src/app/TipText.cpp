// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/TipText.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextBoundaryFinder>

namespace app {

namespace {

// The whitespace that separates words: Unicode space separators and the tab;
// line breaks are not among them.
bool isWordSeparator(QChar character) {
    return character == QLatin1Char('\t') || character.category() == QChar::Separator_Space;
}

QStringList words(const QString& text) {
    QStringList result;
    QString word;
    for (const QChar character : text) {
        if (isWordSeparator(character)) {
            result.append(word);
            word.clear();
        } else {
            word += character;
        }
    }
    result.append(word);
    return result;
}

int graphemeCount(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

} // namespace

QString moveSeparatorTip(platform::TrayHostKind host, bool reversed, bool offersPlaceAfter) {
    using platform::TrayHostKind;
    if (host == TrayHostKind::Lxqt && reversed)
        return QCoreApplication::translate(
            "TipText", "The newest icon goes leftmost, and the order is forgotten when the "
                       "panel restarts. Move to Left End puts this separator there.");
    switch (host) {
    case TrayHostKind::DraggableMenuBar:
        return QCoreApplication::translate(
            "TipText", "Drag the menu bar item while pressing the Command key to move it "
                       "to a different position in the menu bar.");
    case TrayHostKind::Xfce:
        if (!offersPlaceAfter)
            return QCoreApplication::translate(
                "TipText", "Use Move Left or Move Right to move this separator, or order all "
                           "items in Panel Preferences \u25B8 Status Tray \u25B8 Known Items. "
                           "The panel remembers the order.");
        return QCoreApplication::translate(
            "TipText", "Use Move Left, Move Right or Place After to move this separator, "
                       "or order all items in Panel Preferences \u25B8 Status Tray "
                       "\u25B8 Known Items. The panel remembers the order.");
    case TrayHostKind::Plasma:
    case TrayHostKind::Cinnamon:
        if (!offersPlaceAfter)
            return QCoreApplication::translate(
                "TipText", "The tray sorts its items by title. Move Left and Move Right move "
                           "this separator past its neighbor. Gapsel keeps the place.");
        return QCoreApplication::translate(
            "TipText", "The tray sorts its items by title. Place After puts this separator "
                       "right after the item you choose, Move Left and Move Right past "
                       "its neighbor. Gapsel keeps the place.");
    case TrayHostKind::Gnome:
    case TrayHostKind::Budgie:
        return QCoreApplication::translate(
            "TipText", "The newest icon goes leftmost, and the order is forgotten at every "
                       "screen lock. Move to Left End puts this separator there.");
    case TrayHostKind::Lxqt:
    case TrayHostKind::Waybar:
        if (offersPlaceAfter)
            return QCoreApplication::translate(
                "TipText", "The newest icon goes rightmost. Move to Right End puts this "
                           "separator there, Place After right after the item you choose; "
                           "Gapsel keeps that order at its next start.");
        return QCoreApplication::translate(
            "TipText", "The newest icon goes rightmost, and the order is forgotten when the "
                       "panel restarts. Move to Right End puts this separator there.");
    case TrayHostKind::XEmbedTray:
        return QCoreApplication::translate(
            "TipText", "The tray shows its icons in the order they arrived, the newest at one "
                       "end, and forgets the order when it restarts. Move to Left End or Move "
                       "to Right End puts this separator at that end.");
    case TrayHostKind::Mate:
    case TrayHostKind::Unknown:
        break;
    }
    return QCoreApplication::translate(
        "TipText", "Gapsel cannot move this separator on this desktop. Copy Separator ID "
                   "gives its Id, to place it in the tray's own configuration by hand.");
}

QString wrappedToWidth(const QString& text, int width) {
    QString result;
    int lineLength = 0;
    for (const QString& word : words(text)) {
        const int length = graphemeCount(word);
        if (lineLength + length + 1 > width) {
            result += QLatin1Char('\n');
            lineLength = 0;
        }
        lineLength += length + 1;
        result += word + QLatin1Char(' ');
    }
    return result;
}

} // namespace app
