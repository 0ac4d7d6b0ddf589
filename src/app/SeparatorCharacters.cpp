// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/SeparatorCharacters.h"

#include <QtGlobal>

namespace app {

namespace {

SeparatorCharacter named(const char16_t* character, const char* label, const char* description) {
    return {QString::fromUtf16(character), QString::fromLatin1(label), platform::FontStyle::Italic,
            description};
}

SeparatorCharacter shown(const char16_t* character, const char* description) {
    return {QString::fromUtf16(character), QString::fromUtf16(character),
            platform::FontStyle::Monospace, description};
}

} // namespace

const std::array<SeparatorCharacter, 7>& separatorCharacters() {
    static const std::array<SeparatorCharacter, 7> characters{
        named(u" ", QT_TRANSLATE_NOOP("SeparatorCharacters", "space"),
              QT_TRANSLATE_NOOP("SeparatorCharacters", "Space")),
        named(u"\t", QT_TRANSLATE_NOOP("SeparatorCharacters", "tab"),
              QT_TRANSLATE_NOOP("SeparatorCharacters", "Tab")),
        shown(u"\u00B7", QT_TRANSLATE_NOOP("SeparatorCharacters", "Middle dot")),
        shown(u"\u2022", QT_TRANSLATE_NOOP("SeparatorCharacters", "Bullet")),
        shown(u"|", QT_TRANSLATE_NOOP("SeparatorCharacters", "Vertical line")),
        shown(u"-", QT_TRANSLATE_NOOP("SeparatorCharacters", "Hyphen")),
        shown(u"\u2014", QT_TRANSLATE_NOOP("SeparatorCharacters", "Em dash")),
    };
    return characters;
}

QString defaultSeparatorCharacter() {
    return QStringLiteral("\u2014");
}

bool isBlankSeparatorCharacter(const QString& character) {
    return character == QLatin1String(" ") || character == QLatin1String("\t");
}

} // namespace app
