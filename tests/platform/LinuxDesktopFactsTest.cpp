// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/AppStreamStore.h"
#include "platform/linux/DesktopMotionPreference.h"
#include "platform/linux/DisplayAvailability.h"
#include "platform/linux/GreetingPlacement.h"
#include "platform/linux/HostHiddenItems.h"
#include "platform/linux/LinuxDeviceFacts.h"
#include "platform/linux/PanelAutoHide.h"
#include "platform/linux/SandboxFacts.h"
#include "platform/linux/SystemCrashReports.h"
#include "platform/linux/VisibilityJudgement.h"
#include "platform/linux/XdgFileManager.h"
#include "platform/linux/XdgMail.h"
#include "platform/linux/XkbLayout.h"
#include "platform/linux/tray/LxqtPanelOrder.h"
#include "platform/linux/tray/RegisteredItemName.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <sys/resource.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace platform;
using namespace platform::xdg;

namespace {

// A Flatpak deployment as the sandbox describes it, from the remote `origin`.
QString flatpakRoot(const QByteArray& origin) {
    const QString root = testing_support::freshFolder(u"sandbox"_s);
    const QByteArray deployment = "/var/lib/flatpak/app/com.gapsel.Gapsel/x86_64/stable/0123abcd";
    const QByteArray info = "[Application]\nname=com.gapsel.Gapsel\n\n[Instance]\napp-path=";
    EXPECT_TRUE(
        testing_support::writeFile(root + u"/.flatpak-info"_s, info + deployment + "/files\n"));
    EXPECT_TRUE(testing_support::writeFile(root + QString::fromLatin1(deployment) + u"/deploy"_s,
                                           origin + QByteArray("\0\0\x01rest", 7)));
    return root;
}

// A root whose process runs under the AppArmor profile `label`, as the file
// `attr` (the stacked or the plain one) tells it.
QString confinedRoot(const char* attr, const QByteArray& label) {
    const QString root = testing_support::freshFolder(u"confined"_s);
    EXPECT_TRUE(testing_support::writeFile(root + u"/proc/self/attr/"_s + QString::fromLatin1(attr),
                                           label));
    return root;
}

// The variables a sandbox sets prove nothing: a program started from a
// sandboxed terminal inherits them. Only the sandbox's own traces count.
TEST(SandboxFacts, FlatpakAndConfinedSnapAreSandboxesAndStorePagesAreTheSoftwareCentres) {
    qputenv("FLATPAK_ID", "org.example.Terminal");
    qputenv("SNAP", "/snap/terminal/1");
    const struct {
        QString root;
        bool sandboxed;
        bool fromStore;
        QString packaging;
    } cases[] = {
        {testing_support::freshFolder(u"plain"_s), false, false, u"none"_s},
        {flatpakRoot("flathub"), true, true, u"Flatpak from Flathub"_s},
        {flatpakRoot("flathub-beta"), true, false, u"Flatpak"_s},
        {confinedRoot("current", "snap.gapsel.gapsel (enforce)\n"), true, false, u"Snap"_s},
        {confinedRoot("apparmor/current", QByteArray("snap.gapsel.gapsel (enforce)\0", 29)), true,
         false, u"Snap"_s},
        {confinedRoot("current", "snap.code.code (complain)\n"), false, false, u"none"_s},
        {confinedRoot("current", "unconfined\n"), false, false, u"none"_s},
    };
    for (const auto& [root, sandboxed, fromStore, packaging] : cases) {
        const auto facts = readSandboxFacts(root);
        EXPECT_EQ(std::tuple(facts.isSandboxed, facts.isInstalledFromStore, facts.packaging),
                  std::tuple(sandboxed, fromStore, packaging))
            << root.toStdString();
    }
    qunsetenv("FLATPAK_ID");
    qunsetenv("SNAP");

    // Software centres open appstream: addresses; without one, Flathub's web
    // page stands in. They have no page per maker and no rating prompt.
    struct Schemes final : UrlSchemes {
        bool hasHandler(const QString& scheme) const override { return scheme == handled; }
        QString handled;
    } schemes;
    AppStreamStore store(u"com.gapsel.Gapsel"_s, u"Gapsel"_s, schemes);
    EXPECT_EQ(store.makerApps(), (QList<StoreApp>{{u"com.gapsel.Gapsel"_s, u"Gapsel"_s}}));
    EXPECT_FALSE(store.developerPage());
    const QUrl flathub(u"https://flathub.org/apps/com.gapsel.Gapsel"_s);
    EXPECT_EQ(store.reviewPage(store.applicationId()), flathub);
    schemes.handled = u"appstream"_s;
    EXPECT_EQ(store.reviewPage(store.applicationId()), QUrl(u"appstream:com.gapsel.Gapsel"_s));
    EXPECT_EQ(store.webPage(store.applicationId()), flathub) << "what any device opens";
}

// Only a start where Qt would surely find no display is stopped: any platform
// in the list that may work lets it go on.
TEST(DisplayAvailability, ADisplayIsMissingOnlyWhenNoPlatformTriedCanReachOne) {
    const QString runtime = testing_support::freshFolder(u"wayland-runtime"_s);
    ASSERT_TRUE(QFile(runtime + u"/wayland-0"_s).open(QIODevice::WriteOnly));
    const struct {
        DisplayChoice choice;
        QHash<QString, QString> environment;
        bool found;
    } cases[] = {
        {{}, {}, false},
        {{}, {{u"DISPLAY"_s, u":1"_s}}, true},
        {{}, {{u"WAYLAND_DISPLAY"_s, u"wayland-1"_s}}, true},
        {{}, {{u"XDG_RUNTIME_DIR"_s, runtime}}, true},
        {{}, {{u"QT_QPA_PLATFORM"_s, u"offscreen"_s}}, true},
        {{}, {{u"QT_QPA_PLATFORM"_s, u"wayland"_s}, {u"DISPLAY"_s, u":1"_s}}, false},
        {{}, {{u"QT_QPA_PLATFORM"_s, u"wayland;xcb"_s}, {u"DISPLAY"_s, u":1"_s}}, true},
        {{u"xcb:nograb"_s, {}}, {{u"QT_QPA_PLATFORM"_s, u"offscreen"_s}}, false},
        {{u"xcb"_s, u":2"_s}, {}, true},
        {{u"minimal"_s, {}}, {}, true},
    };
    for (const auto& [choice, environment, found] : cases) {
        const bool has = hasDisplay(
            choice, [&](const char* name) { return environment.value(QString::fromLatin1(name)); });
        EXPECT_EQ(has, found) << choice.platform.toStdString() << " "
                              << QStringList(environment.keys()).join(u' ').toStdString();
    }
}

TEST(XdgFileManager, TrashedFolderLandsInTheTrashsFilesEvenWithoutADataFolderYet) {
    const QString home = testing_support::freshFolder(u"trash"_s);
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", (home + u"/not-yet/data"_s).toUtf8());
    const QString doomed = home + u"/Gapsel"_s;
    ASSERT_TRUE(QDir().mkpath(doomed + u"/inside"_s));

    const auto error = XdgFileManager().moveToTrash(doomed);
    qputenv("XDG_DATA_HOME", previous);

    EXPECT_FALSE(error) << error->description.toStdString();
    const QString trash = home + u"/not-yet/data/Trash"_s;
    EXPECT_TRUE(QFileInfo::exists(trash + u"/files/Gapsel/inside"_s));
    EXPECT_TRUE(QFileInfo::exists(trash + u"/info/Gapsel.trashinfo"_s));

    // Only the files folder of a trash counts as inside one.
    for (const char* inside : {"/home/a/.local/share/Trash/files/Gapsel",
                               "/media/.Trash-1000/files/x", "/media/.Trash/1000/files/x"})
        EXPECT_TRUE(XdgFileManager::isInsideTrash(QString::fromUtf8(inside))) << inside;
    for (const char* outside : {"/home/a/files/Gapsel", "/home/a/Trash/info/Gapsel",
                                "/home/a/.local/share/Trash/files/a/b", "/tmp/Gapsel"})
        EXPECT_FALSE(XdgFileManager::isInsideTrash(QString::fromUtf8(outside))) << outside;
}

TEST(LinuxDeviceFacts, ProcFieldsKeyboardIdentifiersMailHandlersAndCoreDumps) {
    const QByteArray status = "Name:\tgapsel\nVmPeak:\t  300 kB\nVmRSS:\t   51200 kB\n";
    EXPECT_EQ(procKilobytesField(status, "VmRSS"), 51200 * 1024);
    EXPECT_EQ(procKilobytesField(status, "VmSwap"), std::nullopt);
    EXPECT_EQ(procKilobytesField("VmRSS: many kB\n", "VmRSS"), std::nullopt);

    const QString layouts = u"us,de"_s;
    EXPECT_EQ(xkbLayoutIdentifier(layouts, QString(), 0), u"us"_s);
    EXPECT_EQ(xkbLayoutIdentifier(layouts, u",nodeadkeys"_s, 1), u"de(nodeadkeys)"_s);
    EXPECT_EQ(xkbLayoutIdentifier(layouts, QString(), 2), std::nullopt);

    for (const auto& [handler, takes] : {std::pair{"org.mozilla.Thunderbird.desktop", true},
                                         {"org.gnome.Geary.desktop", false},
                                         {"", false}})
        EXPECT_EQ(XdgMail::handlerTakesAttachments(QString::fromLatin1(handler)), takes) << handler;

    // Core dumps go where the handler or the limit sends them.
    using enum CrashReportStore;
    const auto store = &SystemCrashReports::storeFor;
    EXPECT_EQ(store(true, u"|/lib/systemd/systemd-coredump %P"_s, 0), Coredumpctl);
    EXPECT_EQ(store(false, u"|/usr/share/apport/apport %p"_s, 0), CoreFile);
    EXPECT_EQ(store(true, u"core"_s, 0), Nothing);
    EXPECT_EQ(store(false, u"core"_s, RLIM_INFINITY), CoreFile);
}

const QString service = u"org.kde.StatusNotifierItem-42-1"_s;
const QString uniqueName = u":1.22"_s;

TEST(TrayVisibilityTest, AsksTheBusThenTheHostsSettingsInOrder) {
    const QString registered = service + u"/StatusNotifierItem"_s;
    const struct {
        const char* name;
        bool watcher;
        bool host;
        QString item;
        bool hiddenByHost;
        HiddenCause cause;
        TrayHostKind kind = TrayHostKind::Xfce;
        bool docked = false;
    } cases[] = {
        {"shown", true, true, registered, false, HiddenCause::None},
        // An XEmbed tray registers no host and lists no items: docking is all.
        {"docked and mapped in an XEmbed tray", true, false, QString(), false, HiddenCause::None,
         TrayHostKind::XEmbedTray, true},
        {"not (yet) docked in an XEmbed tray", true, false, QString(), false, HiddenCause::NotTaken,
         TrayHostKind::XEmbedTray},
        {"no watcher, though a host setting would hide it too", false, true, registered, true,
         HiddenCause::NoTray},
        {"no host", true, false, registered, false, HiddenCause::NoTrayHost},
        {"not registered", true, true, u"org.other/Item"_s, false, HiddenCause::NotTaken},
        {"a prefix of the name is not the name", true, true, service + u"0/Item"_s, false,
         HiddenCause::NotTaken},
        {"nor of the unique name", true, true, u":1.2@/StatusNotifierItem"_s, false,
         HiddenCause::NotTaken},
        // Each watcher's way of naming an item.
        {"by name alone (KDE's for a name)", true, true, service, false, HiddenCause::None},
        {"by unique name alone", true, true, uniqueName, false, HiddenCause::None},
        {"unique name and path (KDE, XFCE, LXQt, Waybar)", true, true,
         uniqueName + u"/StatusNotifierItem"_s, false, HiddenCause::None},
        {"unique name @ path (GNOME's extension)", true, true,
         uniqueName + u"@/StatusNotifierItem"_s, false, HiddenCause::None},
        {"hidden by the host", true, true, registered, true, HiddenCause::HiddenByHostSetting},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const QStringList items{u"org.other/Item"_s, test.item}, names{service, uniqueName};
        const TrayItemState state{test.watcher,      test.host, items,      names,
                                  test.hiddenByHost, test.kind, test.docked};
        EXPECT_EQ(judgeVisibility(state).cause, test.cause);
    }
    // Where to ask the item itself.
    EXPECT_EQ(RegisteredItemName::parse(uniqueName + u"@/org/ayatana/x"_s).path,
              u"/org/ayatana/x"_s);
    EXPECT_EQ(RegisteredItemName::parse(service).path, u"/StatusNotifierItem"_s);
}

// Plasma hides by id in its system tray unless showing all; XFCE and LXQt by
// their own lists, and LXQt may turn its order round.
TEST(TrayVisibilityTest, EachHostHidesByItsOwnSettingsAndEachDesktopTellsWhetherItsPanelHides) {
    const QString appletsrc = QStringLiteral(
        "[Containments][3]\nplugin=org.kde.panel\n\n[Containments][3][General]\n"
        "hiddenItems=panel-only\n\n"
        "[Containments][8]\nplugin=org.kde.plasma.private.systemtray\n\n"
        "[Containments][8][General]\nhiddenItems=a,ID-1, b\ndisabledStatusNotifiers=ID-2\n"
        "shownItems=c\n");
    QStringList hidden;
    for (const QString& id : {u"ID-1"_s, u"b"_s, u"ID-2"_s, u"panel-only"_s, u"ID"_s, u"c"_s})
        if (plasmaHides(appletsrc, id))
            hidden.append(id);
    EXPECT_EQ(hidden, (QStringList{u"ID-1"_s, u"b"_s, u"ID-2"_s}));
    EXPECT_FALSE(plasmaHides(appletsrc + u"showAllItems=true\n"_s, u"ID-1"_s));
    EXPECT_FALSE(plasmaHides(QString(), u"ID-1"_s));

    EXPECT_TRUE(xfceHides({{}, {u"x"_s, u"ID-1"_s}}, u"ID-1"_s));
    EXPECT_FALSE(xfceHides({{u"ID-10"_s}}, u"ID-1"_s));

    const QString path = testing_support::freshFolder(u"lxqt"_s) + u"/panel.conf"_s;
    const QByteArray quicklaunch = "[quicklaunch]\ntype=quicklaunch\nhideList=Gapsel A\n"
                                   "reverseOrder=true\n\n";
    const QByteArray tray =
        "[statusnotifier]\ntype=statusnotifier\nhideList=Other, Gapsel \\x2014\n";
    ASSERT_TRUE(testing_support::writeFile(path, quicklaunch + tray));
    EXPECT_EQ(std::tuple(lxqtHides(path, u"Gapsel \u2014"_s), lxqtHides(path, u"Gapsel A"_s),
                         lxqtHides(path + u".missing"_s, u"Other"_s)),
              std::tuple(true, false, false));
    // Only the tray's own setting turns its order round.
    EXPECT_FALSE(lxqtReversesOrder(path) || lxqtReversesOrder(path + u".missing"_s));
    ASSERT_TRUE(testing_support::writeFile(path, quicklaunch + tray + "reverseOrder=true\n"));
    EXPECT_TRUE(lxqtReversesOrder(path));

    // A panel hides itself only where its desktop's setting says so; another
    // group's or another key's value proves nothing.
    const QString autohide = u"/panels/panel-1/autohide-behavior"_s;
    for (const auto& [properties, hides] :
         {std::pair{QVariantMap{{autohide, 0u}, {u"/panels/panel-2/size"_s, 2u}}, false},
          {QVariantMap{{autohide, 0u}, {u"/panels/panel-2/autohide-behavior"_s, 1u}}, true},
          {QVariantMap{{autohide, 2u}}, true},
          {QVariantMap{{u"/panels/panel-1/autohide-behavior-x"_s, 2u}}, false},
          {QVariantMap{}, false}})
        EXPECT_EQ(xfcePanelHides(properties), hides) << properties.keys().join(u' ').toStdString();

    // A file of its own for each: QSettings may keep what it read of a path.
    const QString folder = testing_support::freshFolder(u"lxqt-panels"_s);
    int file = 0;
    for (const auto& [conf, hides] :
         {std::pair{"[panel1]\nhidable=false\n[panel2]\nposition=Top\n", false},
          {"[panel1]\nhidable=false\n[panel2]\nhidable=true\n", true},
          {"[statusnotifier]\ntype=statusnotifier\nautoHideList=Gapsel\n", false}}) {
        const QString panelConf = u"%1/panel-%2.conf"_s.arg(folder).arg(++file);
        ASSERT_TRUE(testing_support::writeFile(panelConf, conf));
        EXPECT_EQ(lxqtPanelHides(panelConf), hides) << conf;
    }
    EXPECT_FALSE(lxqtPanelHides(folder + u"/missing.conf"_s));

    for (const auto& [rc, hides] :
         {std::pair{"[PlasmaViews][Panel 2]\nfloating=1\npanelVisibility=0\n", false},
          {"[PlasmaViews][Panel 2]\npanelVisibility=2\n[PlasmaViews][Panel 9]\n"
           "panelVisibility=1\n",
           true},
          {"[PlasmaViews][Panel 2][Defaults]\npanelVisibility=1\n[Other]\npanelVisibility=1\n",
           false},
          {"", false}})
        EXPECT_EQ(plasmaPanelHides(QString::fromUtf8(rc)), hides) << rc;
}

// Beside the tray where its window is known, on the screen's side of the
// panel wherever along it the tray is; else at the tray end of the panel edge.
TEST(GreetingPlacementTest, GoesBesideTheTrayOrToTheTrayEndOfThePanelEdge) {
    const QRect screen(0, 0, 1280, 800);
    const QSize size(120, 40);
    const struct {
        const char* name;
        QRect availableOrTray;
        bool isTray;
        QPoint expected;
    } cases[] = {
        {"top panel", QRect(0, 32, 1280, 768), false, QPoint(1279 - 60 - 60, 37)},
        {"bottom panel", QRect(0, 0, 1280, 760), false, QPoint(1279 - 60 - 60, 759 - 40 - 5)},
        {"left panel", QRect(48, 0, 1232, 800), false, QPoint(53, 799 - 60 - 20)},
        {"right panel", QRect(0, 0, 1232, 800), false, QPoint(1231 - 120 - 5, 799 - 60 - 20)},
        {"nothing reserved", screen, false, QPoint(1279 - 60 - 60, 5)},
        {"tray at the left of a top panel", QRect(100, 0, 60, 32), true, QPoint(69, 37)},
        {"tray at the right of a bottom panel", QRect(1180, 770, 100, 30), true, QPoint(1159, 725)},
        {"tray in a left panel", QRect(0, 300, 40, 80), true, QPoint(45, 319)},
        {"tray in the top right corner", QRect(1250, 0, 30, 32), true, QPoint(1159, 37)},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(test.isTray ? greetingBesideTray(screen, test.availableOrTray, size)
                              : greetingPosition(screen, test.availableOrTray, size),
                  test.expected);
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
