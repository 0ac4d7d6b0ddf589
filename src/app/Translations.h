// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QLocale>
#include <QString>

namespace app {

// Installs the catalogues for the first of the user's interface languages
// (`locale.uiLanguages()`, which follows LANGUAGE, LC_MESSAGES and LANG) that
// Gapsel has one for: its own, built in, and with it Qt's own from `qtFolder`
// in that same language, for the standard buttons and dialogs. Qt's catalogue
// is never loaded alone, so no window speaks two languages. Returns the
// language installed ("de"; "en_US" for the source language), or nothing
// when Gapsel has no catalogue for any of them.
QString installTranslations(const QLocale& locale, const QString& qtFolder);

} // namespace app
