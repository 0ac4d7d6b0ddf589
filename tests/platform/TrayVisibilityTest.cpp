// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/DesktopMotionPreference.h"
#include "platform/linux/GreetingPlacement.h"
#include "platform/linux/HostHiddenItems.h"
#include "platform/linux/VisibilityJudgement.h"
#include "support/TestEnvironment.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace platform;
using namespace platform::xdg;

namespace {

const QString service = u"org.kde.StatusNotifierItem-42-1"_s;

TEST(TrayVisibilityTest, AsksTheBusThenTheHostsSettingsInOrder) {
    const QString registered = service + u"/StatusNotifierItem"_s;
    const struct {
        const char* name;
        bool watcher;
        bool host;
        QString item;
        bool hiddenByHost;
        HiddenCause cause;
    } cases[] = {
        {"shown", true, true, registered, false, HiddenCause::None},
        {"no watcher, though a host setting would hide it too", false, true, registered, true,
         HiddenCause::NoTray},
        {"no host", true, false, registered, false, HiddenCause::NoTrayHost},
        {"not registered", true, true, u"org.other/Item"_s, false, HiddenCause::NotTaken},
        {"a prefix of the name is not the name", true, true, service + u"0/Item"_s, false,
         HiddenCause::NotTaken},
        {"registered by name alone", true, true, service, false, HiddenCause::None},
        {"hidden by the host", true, true, registered, true, HiddenCause::HiddenByHostSetting},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const TrayItemState state{test.watcher,         test.host,         QStringList{test.item},
                                  QStringList{service}, test.hiddenByHost, TrayHostKind::Xfce};
        EXPECT_EQ(judgeVisibility(state).cause, test.cause);
    }
}

TEST(TrayVisibilityTest, PlasmaHidesByIdInItsSystemTrayUnlessShowingAll) {
    const QString appletsrc = QStringLiteral(
        "[Containments][3]\nplugin=org.kde.panel\n\n[Containments][3][General]\n"
        "hiddenItems=panel-only\n\n"
        "[Containments][8]\nplugin=org.kde.plasma.private.systemtray\n\n"
        "[Containments][8][General]\nhiddenItems=a,ID-1, b\ndisabledStatusNotifiers=ID-2\n"
        "shownItems=c\n");
    EXPECT_TRUE(plasmaHides(appletsrc, u"ID-1"_s));
    EXPECT_TRUE(plasmaHides(appletsrc, u"b"_s));
    EXPECT_TRUE(plasmaHides(appletsrc, u"ID-2"_s));
    EXPECT_FALSE(plasmaHides(appletsrc, u"panel-only"_s));
    EXPECT_FALSE(plasmaHides(appletsrc, u"ID"_s));
    EXPECT_FALSE(plasmaHides(appletsrc + u"showAllItems=true\n"_s, u"ID-1"_s));
    EXPECT_FALSE(plasmaHides(QString(), u"ID-1"_s));
}

TEST(TrayVisibilityTest, XfceAndLxqtHideByTheirOwnLists) {
    EXPECT_TRUE(xfceHides({{}, {u"x"_s, u"ID-1"_s}}, u"ID-1"_s));
    EXPECT_FALSE(xfceHides({{u"ID-10"_s}}, u"ID-1"_s));

    const QString path = testing_support::freshFolder(u"lxqt"_s) + u"/panel.conf"_s;
    ASSERT_TRUE(testing_support::writeFile(
        path, "[quicklaunch]\ntype=quicklaunch\nhideList=Gapsel A\n\n"
              "[statusnotifier]\ntype=statusnotifier\nhideList=Other, Gapsel \\x2014\n"));
    EXPECT_TRUE(lxqtHides(path, u"Gapsel \u2014"_s));
    EXPECT_FALSE(lxqtHides(path, u"Gapsel A"_s));
    EXPECT_FALSE(lxqtHides(path + u".missing"_s, u"Other"_s));
}

TEST(GreetingPlacementTest, GoesToTheTrayEndOfThePanelEdge) {
    const QRect screen(0, 0, 1280, 800);
    const QSize size(120, 40);
    const struct {
        const char* name;
        QRect available;
        QPoint expected;
    } cases[] = {
        {"top panel", QRect(0, 32, 1280, 768), QPoint(1279 - 60 - 60, 37)},
        {"bottom panel", QRect(0, 0, 1280, 760), QPoint(1279 - 60 - 60, 759 - 40 - 5)},
        {"left panel", QRect(48, 0, 1232, 800), QPoint(53, 799 - 60 - 20)},
        {"right panel", QRect(0, 0, 1232, 800), QPoint(1231 - 120 - 5, 799 - 60 - 20)},
        {"nothing reserved", screen, QPoint(1279 - 60 - 60, 5)},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(greetingPosition(screen, test.available, size), test.expected);
    }
}

TEST(MotionPreferenceTest, AnySettingThatAsksForLessMotionIsHeeded) {
    using Values = QHash<QString, QVariant>;
    const auto reader = [](Values values) {
        return [values](const MotionSetting& setting) -> std::optional<QVariant> {
            const auto found = values.constFind(setting.key);
            return found == values.cend() ? std::nullopt : std::optional<QVariant>(*found);
        };
    };
    const struct {
        const char* name;
        Values portal;
        Values direct;
        bool reduces;
    } cases[] = {
        {"nothing set anywhere", {}, {}, false},
        {"portal: reduced motion", {{u"reduced-motion"_s, 1u}}, {}, true},
        {"portal: no preference, GNOME animations off",
         {{u"reduced-motion"_s, 0u}, {u"enable-animations"_s, false}},
         {},
         true},
        {"portal: KDE factor 0", {{u"AnimationDurationFactor"_s, 0.0}}, {}, true},
        {"portal answers, direct settings not asked",
         {{u"reduced-motion"_s, 0u}},
         {{u"enable-animations"_s, u"false"_s}},
         false},
        {"gsettings without a portal", {}, {{u"enable-animations"_s, u"false"_s}}, true},
        {"kdeglobals without a portal", {}, {{u"AnimationDurationFactor"_s, u"0.5"_s}}, false},
        {"an unreadable factor is no wish", {}, {{u"AnimationDurationFactor"_s, u"fast"_s}}, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(DesktopMotionPreference(reader(test.portal), reader(test.direct)).reducesMotion(),
                  test.reduces);
    }
}

} // namespace
