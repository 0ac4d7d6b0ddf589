// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// A loaded catalogue reaches what the user reads, and never what is stored.

#include "SeparatorsTestSupport.h"

#include <QTranslator>

using separators_testing::SeparatorsTest;

namespace {

// A catalogue that brackets every text it is asked for, so that a translated
// text shows itself wherever it ends up.
class BracketingCatalogue : public QTranslator {
public:
    BracketingCatalogue() { QCoreApplication::installTranslator(this); }
    ~BracketingCatalogue() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
};

TEST_F(SeparatorsTest, ALoadedCatalogueTranslatesTheMenuButNotWhatIsStored) {
    const BracketingCatalogue catalogue;
    start();
    const QStringList menu = menuOf(0);
    EXPECT_EQ(menu.first(), QStringLiteral("[New]"));
    // The characters' names are translated, the characters themselves not.
    EXPECT_TRUE(menu.contains(QStringLiteral("[space] (italic)")))
        << menu.join(u'\n').toStdString();
    EXPECT_TRUE(menu.contains(QStringLiteral("· (monospace)")));

    choose(0, {QStringLiteral("[New]")});
    choose(0, {QStringLiteral("[tab]")});
    const QStringList keys = suite->persistentDomain().keys();
    EXPECT_TRUE(keys.contains(QStringLiteral("separators")));
    for (const QString& key : keys)
        EXPECT_FALSE(key.contains(u'[')) << key.toStdString();
    QStringList characters;
    for (const app::SeparatorItem& item : stored())
        characters.append(item.character);
    EXPECT_TRUE(characters.contains(QStringLiteral("\t"))) << characters.join(u',').toStdString();
}

} // namespace
