// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/Translations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace app {

namespace {

// The catalogue `name` for `locale` from `folder`, owned by the application,
// or null when there is none.
QTranslator* loadCatalogue(const QLocale& locale, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QString installTranslations(const QLocale& locale, const QString& qtFolder) {
    QTranslator* own = loadCatalogue(locale, QStringLiteral("gapsel"), QStringLiteral(":/i18n"));
    if (!own)
        return {};
    QCoreApplication::installTranslator(own);
    const QString language = own->language();
    if (QTranslator* qt = loadCatalogue(QLocale(language), QStringLiteral("qtbase"), qtFolder))
        QCoreApplication::installTranslator(qt);
    return language;
}

} // namespace app
