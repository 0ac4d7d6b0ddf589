// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/TipText.h"

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

QString moveSeparatorTip() {
    return QStringLiteral("Drag the menu bar item while pressing the Command key to move it to a "
                          "different position in the menu bar.");
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
