// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "SeparatorsTestSupport.h"

#include "app/PostLaunchStep.h"
#include "app/TipText.h"

#include <QTranslator>

using namespace Qt::StringLiterals;

using separators_testing::separator;
using separators_testing::SeparatorsTest;

namespace {

const QString firstLaunchTip = QStringLiteral(
    "Drag the menu bar item while \npressing the Command key to \nmove it to a different \n"
    "position in the menu bar. ");
const QString laterTip = QStringLiteral("Drag the menu bar item while pressing \nthe Command key "
                                        "to move it to a \ndifferent position in the menu bar. ");

const QString line = u"---"_s;

// The lines of empty sections (no tip, no Debug) are drawn once.
QStringList menuWith(const QStringList& tipSection) {
    const QString rest = u"Separator (disabled, small)\nspace (italic)\ntab (italic)\n"
                         u"· (monospace)\n• (monospace)\n| (monospace)\n- (monospace)\n"
                         u"— (checked, monospace)\n---\nSettings… (⌘,)\nMore (submenu)\n---\n"
                         u"Quit Gapsel (⌘q)"_s;
    return QStringList{u"New"_s, u"Remove (disabled)"_s, line} + tipSection + rest.split(u'\n');
}

TEST_F(SeparatorsTest, TheFirstLaunchMenuCarriesTheTip) {
    start();
    EXPECT_EQ(menuOf(0), menuWith({firstLaunchTip + u" (disabled)"_s, line}));
    EXPECT_EQ(submenuOf(0, u"More"_s),
              (QStringList{u"About"_s, line, u"Send Feedback…"_s, line, u"FAQ"_s, u"Website"_s,
                           line, u"Share App"_s, u"More Apps by Me"_s}));
    // The character items keep their empty titles and are named for screen readers.
    QStringList descriptions;
    for (const auto& entry : item(0).shownMenu()->items())
        if (entry->isChoice() && entry->title().isEmpty())
            descriptions.append(entry->accessibilityDescription());
    EXPECT_EQ(descriptions, (QStringList{u"Space"_s, u"Tab"_s, u"Middle dot"_s, u"Bullet"_s,
                                         u"Vertical line"_s, u"Hyphen"_s, u"Em dash"_s}));
}

class PostLaunchStepTest : public SeparatorsTest {
protected:
    explicit PostLaunchStepTest(qint64 earlierLaunches = 0)
        : SeparatorsTest(earlierLaunches) {}
    void launch() {
        sim.queue.async([this] { step.run(); });
        start();
    }

    app::PostLaunchStep step{*kit, pending, pending, statusItems, sim.queue};
};

TEST_F(PostLaunchStepTest, TheFirstLaunchGreetsTheFirstSeparatorThenChecksIt) {
    store({separator(u"·"), separator(u"|")});
    launch();
    EXPECT_EQ(pending.calls, QStringList{u"review 6,100,500"_s});

    sim.queue.advance(0.999);
    EXPECT_EQ(pending.calls.size(), 1);
    sim.queue.advance(0.001);
    ASSERT_EQ(pending.calls.size(), 2);
    EXPECT_EQ(pending.greeted.get(), static_cast<platform::StatusItem*>(&item(0)));

    // The check waits for the greeting to be dealt with, then 0.2 s more.
    sim.queue.advance(5);
    pending.popoverCompletion();
    sim.queue.advance(0.199);
    EXPECT_EQ(pending.calls.size(), 2);
    sim.queue.advance(0.001);
    EXPECT_EQ(pending.calls.last(), u"visibility"_s);
    EXPECT_EQ(pending.checked, pending.greeted);
    EXPECT_EQ(pending.visibilityOptions.extraMessage, std::nullopt);
    EXPECT_FALSE(pending.visibilityOptions.showsOpenSettingsButton);
    EXPECT_TRUE(pending.visibilityOptions.showsSuppressionButton);
}

TEST_F(PostLaunchStepTest, ASeparatorGoneBeforeTheGreetingIsNeitherGreetedNorChecked) {
    launch();
    view.reset();
    sim.queue.advance(10);
    EXPECT_EQ(pending.calls, QStringList{u"review 6,100,500"_s});
}

class LaterLaunchMenuTest : public PostLaunchStepTest {
protected:
    LaterLaunchMenuTest()
        : PostLaunchStepTest(1) {}
};

TEST_F(LaterLaunchMenuTest, LaterLaunchesKeepTheTipUnderMoreOfferRatingGreetNoOneAndReachTheKit) {
    launch();
    EXPECT_EQ(menuOf(0), menuWith({}));
    EXPECT_EQ(
        submenuOf(0, u"More"_s),
        (QStringList{u"About"_s, line, u"Send Feedback…"_s, line, u"Tips (submenu)"_s, u"FAQ"_s,
                     u"Website"_s, line, u"Rate App"_s, u"Share App"_s, u"More Apps by Me"_s}));

    const auto& more = *item(0).shownMenu()->items().at(13)->submenu();
    const auto& tips = *more.items().at(4)->submenu();
    EXPECT_EQ(platform::sim::describeMenu(tips), QStringList{laterTip + u" (disabled)"_s});
    sim.queue.advance(10);
    EXPECT_EQ(pending.calls, QStringList{u"review 6,100,500"_s});

    // The application's own entries reach the kit (whose requests wait for
    // the main queue).
    int settingsOpened = 0;
    int aboutOpened = 0;
    sim.settingsWindow.installOpener([&] { ++settingsOpened; });
    sim.aboutPanel.installOpener([&] { ++aboutOpened; });
    choose(0, {u"More"_s, u"About"_s});
    choose(0, {u"Settings…"_s});
    choose(0, {u"Quit Gapsel"_s});
    EXPECT_EQ(std::tuple(aboutOpened, settingsOpened, sim.application.terminateRequests()),
              std::tuple(1, 1, 1));
}

TEST(TipText, CountsWhatTheUserSeesAndSplitsOnlyAtSpacesAndTabs) {
    // "é" as e + combining acute is one character; the line feed is part of a word.
    const QString accented = u"e\u0301e\u0301e\u0301"_s;
    EXPECT_EQ(app::wrappedToWidth(accented + u" ab"_s, 7), accented + u" ab "_s);
    EXPECT_EQ(app::wrappedToWidth(accented + u" ab"_s, 6), accented + u" \nab "_s);
    EXPECT_EQ(app::wrappedToWidth(u"a\tb\u00A0c\nd"_s, 80), u"a b c\nd "_s);
    EXPECT_EQ(app::wrappedToWidth(u"a  b"_s, 80), u"a  b "_s);
}

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
    for (const QString& key : suite->persistentDomain().keys())
        EXPECT_FALSE(key.contains(u'[')) << key.toStdString();
    EXPECT_EQ(stored().first().character, QStringLiteral("\t"));
}

} // namespace
