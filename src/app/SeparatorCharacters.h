// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Menu.h"

#include <QCoreApplication>
#include <QString>

#include <array>

namespace app {

// A character a separator can take, as the menu offers it: the space and the
// tab by name in italics (they would be invisible), the others as themselves
// in the fixed-width font; each with its name for screen readers.
struct SeparatorCharacter {
    QString character;
    QString label;
    platform::FontStyle labelFont;
    const char* description;

    QString accessibilityDescription() const {
        return QCoreApplication::translate("SeparatorCharacters", description);
    }

    // The names are translated where shown; the characters stay themselves.
    platform::AttributedText menuLabel() const {
        if (label == character)
            return {label, labelFont};
        return {QCoreApplication::translate("SeparatorCharacters", label.toUtf8().constData()),
                labelFont};
    }
};

// In the order the menu offers them.
const std::array<SeparatorCharacter, 7>& separatorCharacters();

// For the separator made when the list is empty, and for a new separator made
// from a blank one.
QString defaultSeparatorCharacter();

// A space or a tab: a separator that shows blank space.
bool isBlankSeparatorCharacter(const QString& character);

} // namespace app
