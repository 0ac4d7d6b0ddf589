// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/SeparatorCharacters.h"

#include <QtGlobal>

namespace app {

namespace {

SeparatorCharacter named(const char16_t* character, const char* label) {
    return {QString::fromUtf16(character), QString::fromLatin1(label), platform::FontStyle::Italic};
}

SeparatorCharacter shown(const char16_t* character) {
    return {QString::fromUtf16(character), QString::fromUtf16(character),
            platform::FontStyle::Monospace};
}

} // namespace

const std::array<SeparatorCharacter, 7>& separatorCharacters() {
    static const std::array<SeparatorCharacter, 7> characters{
        named(u" ", QT_TRANSLATE_NOOP("SeparatorCharacters", "space")),
        named(u"\t", QT_TRANSLATE_NOOP("SeparatorCharacters", "tab")),
        shown(u"\u00B7"),
        shown(u"\u2022"),
        shown(u"|"),
        shown(u"-"),
        shown(u"\u2014"),
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
