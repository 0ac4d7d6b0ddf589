// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/Translations.h"
#include "app/ui/SettingsScreen.h"
#include "kit/DataDeletion.h"
#include "kit/KitTestSupport.h"
#include "kit/ui/AboutPanel.h"
#include "kit/ui/SupportWindow.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Message {
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished" or none
};

// A catalogue's messages by context and source text.
QMap<QPair<QString, QString>, Message> catalogue(const QString& language) {
    QFile file(QStringLiteral(GAPSEL_TRANSLATIONS_DIR "/gapsel_%1.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QMap<QPair<QString, QString>, Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == "name"_L1) {
            context = xml.readElementText();
        } else if (xml.name() == "source"_L1) {
            message.source = xml.readElementText();
        } else if (xml.name() == "translation"_L1) {
            message.type = xml.attributes().value("type"_L1).toString();
            message.translation = xml.readElementText();
            messages.insert({context, message.source}, message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

QStringList placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(u"%\\d"_s).globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

// Every text a window shows: its title, labels, group titles and buttons.
QStringList textsOf(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts.append(label->text());
    for (const QGroupBox* group : window.findChildren<QGroupBox*>())
        texts.append(group->title());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts.append(button->text().replace(u"&&"_s, u"&"_s));
    texts.removeAll(QString());
    return texts;
}

// The texts that show English where a catalogue of ours is left out: each
// English text of the catalogue, its placeholders standing for anything.
QStringList englishOfOurs(const QStringList& texts) {
    QStringList english;
    for (const Message& message : catalogue(u"de"_s)) {
        if (message.translation == message.source)
            continue; // "OK" is German too
        QStringList parts = message.source.split(QRegularExpression(u"%\\d"_s));
        for (QString& part : parts)
            part = QRegularExpression::escape(part);
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(parts.join(u".*"_s)),
                                         QRegularExpression::DotMatchesEverythingOption);
        for (const QString& text : texts)
            if (pattern.match(text).hasMatch())
                english.append(text);
    }
    return english;
}

// Each test starts and ends with no catalogue installed.
struct Translations : ::testing::Test {
    void TearDown() override {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    static QString install(const char* locale) {
        return app::installTranslations(QLocale(QString::fromLatin1(locale)),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
};

// lupdate marks new texts unfinished and drops removed ones (-no-obsolete);
// a text the English catalogue lists and the German one lacks was added on
// a branch without updating the catalogues (update_translations).
TEST(GermanCatalogue, TranslatesEveryTextOfOursKeepingItsPlaceholders) {
    const auto german = catalogue(u"de"_s);
    EXPECT_EQ(german.keys(), catalogue(u"en"_s).keys());
    for (const Message& message : german) {
        const std::string source = message.source.toStdString();
        EXPECT_TRUE(message.type.isEmpty()) << message.type.toStdString() << ": " << source;
        EXPECT_FALSE(message.translation.isEmpty()) << source;
        EXPECT_EQ(placeholders(message.translation), placeholders(message.source)) << source;
        EXPECT_EQ(message.translation.count(u'\n'), message.source.count(u'\n')) << source;
    }
}

// Qt's catalogue comes only in the language of ours, so Qt's buttons never
// speak another language than the window they are in.
TEST_F(Translations, TakeTheFirstOfTheUsersLanguagesThatWeSpeakAndQtsInTheSame) {
    const struct {
        const char* locale;
        const char* language;
        const char* delete_;
        const char* cancel; // Qt's own
    } cases[] = {
        {"de_DE", "de", "Löschen", "Abbrechen"},
        {"de_AT", "de", "Löschen", "Abbrechen"},
        {"en_US", "en_US", "Delete", "Cancel"},
        {"fr_FR", "", "Delete", "Cancel"}, // Qt speaks French, but not alone
    };
    for (const auto& c : cases) {
        EXPECT_EQ(install(c.locale), QString::fromUtf8(c.language)) << c.locale;
        EXPECT_EQ(QCoreApplication::translate("DataDeletion", "Delete"),
                  QString::fromUtf8(c.delete_))
            << c.locale;
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QString::fromUtf8(c.cancel))
            << c.locale;
        TearDown();
    }
}

TEST_F(Translations, WindowsBuiltInGermanHoldNoEnglishTextOfOurs) {
    ASSERT_EQ(install("de_DE"), u"de"_s);
    kit_testing::Launches launches;
    const auto support = std::make_unique<kit::SupportWindow>(launches.launch());
    JXApp::LaunchAtLoginObservable launchAtLogin{launches.sim.loginItems, launches.sim.alerts,
                                                 launches.sim.queue};
    const Defaults::Key<bool> reducedOpacity{u"reducedOpacity"_s, false, launches.suite()};
    const auto settings =
        std::make_unique<app::SettingsScreen>(launchAtLogin, reducedOpacity, launches.sim.queue);
    const QUrl site(u"https://gapsel.app/"_s),
        license(u"https://www.gnu.org/licenses/gpl-3.0.html"_s);
    const auto about = std::make_unique<kit::AboutPanel>(
        kit::AboutInfo{u"Gapsel"_s, u"1.0.0 (1)"_s, {}, site, {}, u"GPL"_s, license, {}});
    const platform::Alert question = kit::supportWindowDeletionAlert(u"Gapsel"_s);

    const QStringList texts = textsOf(*support) + textsOf(*settings) + textsOf(*about) +
                              question.buttons + QStringList{question.message};
    EXPECT_TRUE(englishOfOurs(texts).isEmpty())
        << englishOfOurs(texts).join(u" | "_s).toStdString();
    for (const QString& german :
         {u"Hilfe zu Gapsel"_s, u"Gapsel-Einstellungen"_s, u"Schließen"_s, u"Löschen"_s})
        EXPECT_TRUE(texts.contains(german)) << german.toStdString();
}

} // namespace
