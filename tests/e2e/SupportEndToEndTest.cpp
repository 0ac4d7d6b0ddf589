// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DesktopTest.h"
#include "StoredSeparators.h"
#include "defaults/UserDefaults.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <signal.h>
#include <unistd.h>

using testing_support::processEventsUntil;
using namespace Qt::StringLiterals;

namespace {

const QString shareLink = QStringLiteral("https://flathub.org/apps/" GAPSEL_BUNDLE_ID);

void writeScript(const QString& path, const QByteArray& body) {
    QFile script(path);
    if (script.open(QIODevice::WriteOnly) && script.write("#!/bin/sh\n" + body) > 0)
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
}

// Gapsel on a desktop of the test's own, with its own data and cache folders
// and, first on its PATH, an xdg-open that only writes down what it was asked
// to open and an xdg-mime that knows no software centre.
class SupportEndToEnd : public e2e::DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        const QString bin = home + QStringLiteral("/bin");
        QDir().mkpath(bin);
        writeScript(bin + QStringLiteral("/xdg-open"),
                    "printf '%s\\n' \"$1\" >> '" + openedLog().toUtf8() + "'\n");
        writeScript(bin + QStringLiteral("/xdg-mime"), "exit 0\n");
        desktop.setVariable(QStringLiteral("PATH"),
                            bin + QLatin1Char(':') + qEnvironmentVariable("PATH"));
        desktop.setVariable(QStringLiteral("XDG_DATA_HOME"), dataHome());
        desktop.setVariable(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    }

    void TearDown() override {
        // A relaunched Gapsel is no child of the test: its lock file names it.
        if (const auto pid = relaunchedPid())
            ::kill(*pid, SIGTERM);
    }

    // Starts Gapsel past its first launch, whose greeting would be a window
    // of its own too; its item, once shown.
    QString start() {
        e2e::writePreference(desktop, QStringLiteral("JX_launchCount -int 1"));
        if (!gapsel.start(desktop.environment()) ||
            !eventually([&] { return host->itemServices().size() == 1; }))
            return {};
        return host->itemServices().at(0);
    }

    QString preferencesPath() const { return e2e::preferencesFile(desktop.configHome()); }
    QVariantMap preferences() const { return e2e::preferences(desktop.configHome()); }

    std::optional<qint64> relaunchedPid() const {
        // The running instance's lock lies beside its preferences.
        const qint64 pid = e2e::readFile(preferencesPath() + QStringLiteral(".instance"))
                               .split('\n')
                               .value(0)
                               .toLongLong();
        const QFileInfo program(QStringLiteral("/proc/%1/exe").arg(pid));
        if (pid == gapsel.processId() ||
            program.symLinkTarget() !=
                QFileInfo(QStringLiteral(GAPSEL_EXECUTABLE)).canonicalFilePath())
            return std::nullopt;
        return pid;
    }

    // Chooses "Delete Data & Settings" in the support window and confirms;
    // returns once the relaunched instance made its first launch.
    void deleteFromTheSupportWindow() {
        ASSERT_TRUE(gapsel.start(desktop.environment(), {QStringLiteral("--support")}));
        ASSERT_TRUE(
            eventually([&] { return preferences().contains(QStringLiteral("separators")); }));
        const QVariant separatorsBefore = preferences().value(QStringLiteral("separators"));
        // A counter of the kit's, written as another process would.
        ASSERT_TRUE(UserDefaults::open(QStringLiteral(GAPSEL_BUNDLE_ID), preferencesPath())
                        ->set(5, QStringLiteral("JXApp_requestReview")));

        QString window;
        ASSERT_TRUE(eventually([&] {
            window =
                desktop.visibleWindow({QStringLiteral("--name"), QStringLiteral("Gapsel Support")});
            return !window.isEmpty();
        }));
        // The first button, "Delete Data & Settings", has the focus; in the
        // question, Cancel has it and Tab moves it to Delete.
        const auto windows = [&] {
            return desktop.xdotool(QStringLiteral("search --onlyvisible --name .*"));
        };
        const QString windowsBefore = windows();
        desktop.xdotool(QStringLiteral("windowfocus --sync %1 key space").arg(window));
        // The question is a window of its own.
        const bool asked = eventually([&] { return windows() != windowsBefore; });
        processEventsUntil([] { return false; }, 1500);
        desktop.saveScreenshot(QStringLiteral("support-delete-question"));
        ASSERT_TRUE(asked);
        desktop.xdotool(QStringLiteral("key Tab space"));

        ASSERT_TRUE(eventually([&] { return !gapsel.running(); }));
        // The new instance counts launch 1, and reads and takes away the
        // relaunch's note.
        ASSERT_TRUE(eventually([&] {
            const QVariantMap stored = preferences();
            return relaunchedPid() && stored.value(QStringLiteral("JX_launchCount")) == 1 &&
                   stored.contains(QStringLiteral("separators")) &&
                   !stored.contains(QStringLiteral("JXApp_wasRelaunched"));
        })) << "relaunched: "
            << relaunchedPid().has_value()
            << ", preferences: " << QStringList(preferences().keys()).join(u' ').toStdString()
            << ", launch count " << preferences().value(QStringLiteral("JX_launchCount")).toInt();
        EXPECT_NE(preferences().value(QStringLiteral("separators")), separatorsBefore);
        EXPECT_FALSE(preferences().contains(QStringLiteral("JXApp_requestReview")));
    }

    // Empties the Trash at `trash` of what came from under `below`; their
    // original places, sorted.
    static QStringList takeFromTrash(const QString& trash, const QString& below) {
        QStringList places;
        const QDir info(trash + QStringLiteral("/info"));
        for (const QString& entry : info.entryList({QStringLiteral("*.trashinfo")}, QDir::Files)) {
            QString place;
            for (const QByteArray& line : e2e::readFile(info.filePath(entry)).split('\n'))
                if (line.startsWith("Path="))
                    place = QUrl::fromPercentEncoding(line.mid(5));
            // A Trash on another file system may name places from its top.
            if (!place.startsWith(QLatin1Char('/')))
                place = QFileInfo(trash).path() + QLatin1Char('/') + place;
            if (!place.startsWith(below + QLatin1Char('/')))
                continue;
            places.append(place);
            QDir(trash + QStringLiteral("/files/") + entry.chopped(10)).removeRecursively();
            QFile::remove(info.filePath(entry));
        }
        places.sort();
        return places;
    }

    QString openedLog() const { return home + QStringLiteral("/opened.txt"); }
    QStringList opened() const {
        return QString::fromUtf8(e2e::readFile(openedLog()))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QString dataHome() const { return home + QStringLiteral("/data"); }

    const QString home = desktop.home();
    e2e::Program gapsel;
};

TEST_F(SupportEndToEnd, ShareAppOpensAWindowWhoseQrCodeIsTheShareLink) {
    const QString item = start();
    ASSERT_FALSE(item.isEmpty());
    ASSERT_TRUE(host->choose(item, {QStringLiteral("More"), QStringLiteral("Share App")}));
    ASSERT_TRUE(eventually([&] {
        return !desktop.visibleWindow({QStringLiteral("--name"), QStringLiteral("^Share Gapsel$")})
                    .isEmpty();
    }));
    QString decoded;
    EXPECT_TRUE(eventually([&] {
        desktop.saveScreenshot(QStringLiteral("share-window"));
        decoded = desktop.output(QStringLiteral("zbarimg"),
                                 {QStringLiteral("--quiet"), QStringLiteral("--raw"),
                                  QStringLiteral(GAPSEL_E2E_OUTPUT_DIR "/xfce/share-window.png")});
        return decoded == shareLink;
    })) << decoded.toStdString();
}

TEST_F(SupportEndToEnd, RateAppsFirstButtonAndSendFeedbackHandXdgOpenTheirPages) {
    const QString item = start();
    ASSERT_FALSE(item.isEmpty());
    ASSERT_TRUE(host->choose(item, {QStringLiteral("More"), QStringLiteral("Rate App")}));
    QString alert;
    ASSERT_TRUE(eventually([&] {
        alert =
            desktop.visibleWindow({QStringLiteral("--pid"), QString::number(gapsel.processId())});
        return !alert.isEmpty();
    }));
    desktop.xdotool(QStringLiteral("windowfocus --sync ") + alert);
    desktop.saveScreenshot(QStringLiteral("rate-alert"));
    // Return presses the first button, "Rate in Software Centre".
    desktop.xdotool(QStringLiteral("key Return"));
    EXPECT_TRUE(eventually([&] { return opened() == QStringList{shareLink}; }))
        << opened().join(QLatin1Char(' ')).toStdString();
    // The feedback page carries this machine's system.
    ASSERT_TRUE(host->choose(item, {QStringLiteral("More"), QStringLiteral("Send Feedback…")}));
    ASSERT_TRUE(eventually([&] { return opened().size() == 2; }));
    const QUrl url(opened().last());
    EXPECT_EQ(url.toString(QUrl::RemoveQuery), QStringLiteral("https://gapsel.app/feedback"));
    const QStringList metadata =
        QUrlQuery(url).queryItemValue(QStringLiteral("metadata"), QUrl::FullyDecoded).split(u'\n');
    const auto line = [&](const QString& key) {
        for (const QString& entry : metadata)
            if (entry.startsWith(key + QStringLiteral(": ")))
                return entry.mid(key.size() + 2);
        return QString();
    };
    EXPECT_TRUE(line(QStringLiteral("OS"))
                    .startsWith(QSysInfo::prettyProductName() + QStringLiteral(" (Linux ")))
        << metadata.join(u'\n').toStdString();
    EXPECT_EQ(line(QStringLiteral("Session")).section(u' ', 1), QStringLiteral("(xcb)"));
    EXPECT_TRUE(gapsel.running());
}

TEST_F(SupportEndToEnd, DeleteDataAndSettingsTrashesEverythingAndStartsAfresh) {
    QDir().mkpath(dataHome() + QStringLiteral("/Gapsel"));
    ASSERT_TRUE(QFile(dataHome() + QStringLiteral("/Gapsel/kept.txt")).open(QIODevice::WriteOnly));
    deleteFromTheSupportWindow();
    if (HasFatalFailure())
        return;

    const QDir trash(dataHome() + QStringLiteral("/Trash/files"));
    const QStringList trashed = trash.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(trashed.size(), 2) << trashed.join(u' ').toStdString();
    EXPECT_TRUE(QFileInfo::exists(trash.filePath(QStringLiteral("Gapsel/kept.txt"))));
}

// A normal run that inherited a sandbox's variables (started from a sandboxed
// terminal) is no sandbox. With its data on another file system the folder
// above Gapsel's own could really be trashed there: only Gapsel's go.
TEST_F(SupportEndToEnd, InheritedSandboxVariablesLeaveOtherProgramsDataAlone) {
    const QString shm = QStringLiteral("/dev/shm");
    if (!QFileInfo(shm).isWritable() || QStorageInfo(shm) == QStorageInfo(home))
        GTEST_SKIP() << "needs a writable /dev/shm on a file system of its own";
    QTemporaryDir elsewhere(shm + QStringLiteral("/gapsel-e2e-XXXXXX"));
    ASSERT_TRUE(elsewhere.isValid());
    const QString share = elsewhere.filePath(QStringLiteral("share"));
    const QString cache = elsewhere.filePath(QStringLiteral("cache"));
    ASSERT_TRUE(testing_support::writeFile(share + QStringLiteral("/other/kept.txt"), "other"));
    ASSERT_TRUE(testing_support::writeFile(share + QStringLiteral("/Gapsel/kept.txt"), "ours"));
    desktop.setVariable(QStringLiteral("FLATPAK_ID"), QStringLiteral("x"));
    desktop.setVariable(QStringLiteral("SNAP"), QStringLiteral("/snap/x"));
    desktop.setVariable(QStringLiteral("XDG_DATA_HOME"), share);
    desktop.setVariable(QStringLiteral("XDG_CACHE_HOME"), cache);

    deleteFromTheSupportWindow();
    // Off the home's file system, things go to that file system's own Trash.
    const QStringList trashed =
        takeFromTrash(shm + QStringLiteral("/.Trash-%1").arg(::getuid()), elsewhere.path());
    EXPECT_EQ(trashed,
              (QStringList{cache + QStringLiteral("/Gapsel"), share + QStringLiteral("/Gapsel")}))
        << trashed.join(u' ').toStdString();
    EXPECT_TRUE(QFileInfo::exists(share + QStringLiteral("/other/kept.txt")));
}

QStringList lines(e2e::Program& probe) {
    return probe.output().split(u'\n', Qt::SkipEmptyParts);
}

class DebugAndShortcuts : public e2e::DesktopTest {};

// Control+Shift+K: classic key code 0x28, control 0x1000 | shift 0x200.
const QStringList ctrlShiftK = {QStringLiteral("40"), QStringLiteral("4608")};

TEST_F(DebugAndShortcuts, AGrabbedShortcutFiresWhateverNumLockSaysAndIsRefusedToOthers) {
    e2e::Program probe(QStringLiteral(HOTKEY_PROBE_EXECUTABLE));
    ASSERT_TRUE(probe.start(desktop.environment(), ctrlShiftK, QProcess::ForwardedErrorChannel));
    ASSERT_TRUE(eventually([&] { return lines(probe) == QStringList{u"registered"_s}; }))
        << probe.output().toStdString();

    desktop.xdotool(QStringLiteral("key ctrl+shift+k"));
    ASSERT_TRUE(eventually([&] { return lines(probe).size() == 3; }));
    desktop.xdotool(QStringLiteral("key Num_Lock ctrl+shift+k"));
    ASSERT_TRUE(eventually([&] { return lines(probe).size() == 5; }));
    // Without Shift it is another combination, which nobody registered.
    desktop.xdotool(QStringLiteral("key Num_Lock ctrl+k"));
    EXPECT_FALSE(eventually([&] { return lines(probe).size() > 5; }, 1000));
    EXPECT_EQ(lines(probe), (QStringList{u"registered"_s, u"down"_s, u"up"_s, u"down"_s, u"up"_s}));

    e2e::Program other(QStringLiteral(HOTKEY_PROBE_EXECUTABLE));
    ASSERT_TRUE(other.start(desktop.environment(), ctrlShiftK, QProcess::ForwardedErrorChannel));
    ASSERT_TRUE(eventually([&] { return !lines(other).isEmpty(); }));
    EXPECT_EQ(lines(other), QStringList{u"refused"_s});
}

// Shift and Control held at start, or --debug where held keys cannot be read,
// offer the Debug entry, which opens the debug window.
TEST_F(DebugAndShortcuts, ShiftControlAtStartOrTheDebugOptionOfferTheDebugWindow) {
    const QStringList debugWindow{QStringLiteral("--name"), QStringLiteral("^Gapsel .* Debug$")};
    for (const bool held : {true, false}) {
        SCOPED_TRACE(held ? "Shift and Control held" : "--debug");
        if (held)
            desktop.xdotool(QStringLiteral("keydown shift ctrl"));
        e2e::Program gapsel;
        ASSERT_TRUE(gapsel.start(desktop.environment(),
                                 held ? QStringList() : QStringList{QStringLiteral("--debug")}));
        QString item;
        ASSERT_TRUE(eventually([&] {
            item = host->itemServices().value(0);
            return std::ranges::any_of(host->menu(item).children, [](const auto& entry) {
                return entry.properties.value(QStringLiteral("label")) == QStringLiteral("Debug");
            });
        }));
        if (held)
            desktop.xdotool(QStringLiteral("keyup shift ctrl"));
        ASSERT_TRUE(host->choose(item, {QStringLiteral("Debug")}));
        EXPECT_TRUE(eventually([&] { return !desktop.visibleWindow(debugWindow).isEmpty(); }));
        desktop.saveScreenshot(QStringLiteral("debug-window"));
        EXPECT_TRUE(gapsel.running());
    }
}

} // namespace
