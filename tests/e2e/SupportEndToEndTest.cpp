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

// The window class the desktop entry promises docks and task bars.
QString startupWMClass() {
    QFile entry(QStringLiteral(GAPSEL_E2E_SOURCE_DIR "/../../data/" GAPSEL_BUNDLE_ID ".desktop"));
    if (!entry.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : entry.readAll().split('\n'))
        if (line.startsWith("StartupWMClass="))
            return QString::fromUtf8(line.mid(15));
    return {};
}

void writeScript(const QString& path, const QByteArray& body) {
    QFile script(path);
    if (script.open(QIODevice::WriteOnly) && script.write("#!/bin/sh\n" + body) > 0)
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
}

// Gapsel on a desktop of the test's own, with its own data and cache folders
// and, first on its PATH, an xdg-open that only writes down what it was asked
// to open and an xdg-mime that knows a handler for everything but a software
// centre.
class SupportEndToEnd : public e2e::DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        const QString bin = home + u"/bin"_s;
        QDir().mkpath(bin);
        writeScript(bin + u"/xdg-open"_s,
                    "printf '%s\\n' \"$1\" >> '" + openedLog().toUtf8() + "'\n");
        writeScript(
            bin + u"/xdg-mime"_s,
            "case \"$3\" in x-scheme-handler/appstream) ;; *) echo opener.desktop ;; esac\n");
        desktop.setVariable(u"PATH"_s, bin + QLatin1Char(':') + qEnvironmentVariable("PATH"));
        desktop.setVariable(u"XDG_DATA_HOME"_s, dataHome());
        desktop.setVariable(u"XDG_CACHE_HOME"_s, home + u"/cache"_s);
    }

    void TearDown() override {
        // A relaunched Gapsel is no child of the test: its lock file names it.
        if (const auto pid = relaunchedPid())
            ::kill(*pid, SIGTERM);
    }

    // Starts Gapsel past its first launch, whose greeting would be a window
    // of its own too; its item, once shown.
    QString start() {
        e2e::writePreference(desktop, u"JX_launchCount -int 1"_s);
        if (!gapsel.start(desktop.environment()) ||
            !eventually([&] { return host->itemServices().size() == 1; }))
            return {};
        return host->itemServices().at(0);
    }

    QString preferencesPath() const { return e2e::preferencesFile(desktop.configHome()); }
    QVariantMap preferences() const { return e2e::preferences(desktop.configHome()); }

    std::optional<qint64> relaunchedPid() const {
        // The running instance's lock lies beside its preferences.
        const qint64 pid =
            e2e::readFile(preferencesPath() + u".instance"_s).split('\n').value(0).toLongLong();
        const QFileInfo program(u"/proc/%1/exe"_s.arg(pid));
        if (pid == gapsel.processId() ||
            program.symLinkTarget() !=
                QFileInfo(QStringLiteral(GAPSEL_EXECUTABLE)).canonicalFilePath())
            return std::nullopt;
        return pid;
    }

    // Chooses "Delete Data & Settings" in the support window and confirms;
    // returns once the relaunched instance made its first launch.
    void deleteFromTheSupportWindow() {
        ASSERT_TRUE(gapsel.start(desktop.environment(), {u"--support"_s}));
        ASSERT_TRUE(eventually([&] { return preferences().contains(u"separators"_s); }));
        const QVariant separatorsBefore = preferences().value(u"separators"_s);
        // A counter of the kit's, written as another process would.
        ASSERT_TRUE(UserDefaults::open(QStringLiteral(GAPSEL_BUNDLE_ID), preferencesPath())
                        ->set(5, u"JXApp_requestReview"_s));

        QString window;
        ASSERT_TRUE(eventually([&] {
            window = desktop.visibleWindow({u"--name"_s, u"Gapsel Support"_s});
            return !window.isEmpty();
        }));
        // "Copy Debug Info" has the focus and Shift+Tab moves it up to
        // "Delete Data & Settings"; in the question, Cancel has it and Tab
        // moves it to Delete.
        const auto windows = [&] { return desktop.xdotool(u"search --onlyvisible --name .*"_s); };
        const QString windowsBefore = windows();
        desktop.xdotool(u"windowfocus --sync %1 key shift+Tab space"_s.arg(window));
        // The question is a window of its own.
        const bool asked = eventually([&] { return windows() != windowsBefore; });
        e2e::idle(1500);
        desktop.saveScreenshot(u"support-delete-question"_s);
        ASSERT_TRUE(asked);
        desktop.xdotool(u"key Tab space"_s);

        ASSERT_TRUE(eventually([&] { return !gapsel.running(); }));
        // The new instance counts launch 1, and reads and takes away the
        // relaunch's note.
        ASSERT_TRUE(eventually([&] {
            const QVariantMap stored = preferences();
            return relaunchedPid() && stored.value(u"JX_launchCount"_s) == 1 &&
                   stored.contains(u"separators"_s) && !stored.contains(u"JXApp_wasRelaunched"_s);
        })) << "relaunched: "
            << relaunchedPid().has_value()
            << ", preferences: " << QStringList(preferences().keys()).join(u' ').toStdString()
            << ", launch count " << preferences().value(u"JX_launchCount"_s).toInt();
        EXPECT_NE(preferences().value(u"separators"_s), separatorsBefore);
        EXPECT_FALSE(preferences().contains(u"JXApp_requestReview"_s));
    }

    // Empties the Trash at `trash` of what came from under `below`; their
    // original places, sorted.
    static QStringList takeFromTrash(const QString& trash, const QString& below) {
        QStringList places;
        const QDir info(trash + u"/info"_s);
        for (const QString& entry : info.entryList({u"*.trashinfo"_s}, QDir::Files)) {
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
            QDir(trash + u"/files/"_s + entry.chopped(10)).removeRecursively();
            QFile::remove(info.filePath(entry));
        }
        places.sort();
        return places;
    }

    QString openedLog() const { return home + u"/opened.txt"_s; }
    QStringList opened() const {
        return QString::fromUtf8(e2e::readFile(openedLog()))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QString dataHome() const { return home + u"/data"_s; }

    const QString home = desktop.home();
    e2e::Program gapsel;
};

TEST_F(SupportEndToEnd, ShareAppOpensAWindowWhoseQrCodeIsTheShareLink) {
    const QString item = start();
    ASSERT_FALSE(item.isEmpty());
    ASSERT_TRUE(host->choose(item, {u"More"_s, u"Share App"_s}));
    ASSERT_TRUE(eventually([&] { return desktop.windowNamed(u"Share Gapsel"_s).isValid(); }));
    QString decoded;
    EXPECT_TRUE(eventually([&] {
        desktop.saveScreenshot(u"share-window"_s);
        decoded = desktop.output(u"zbarimg"_s,
                                 {u"--quiet"_s, u"--raw"_s,
                                  QStringLiteral(GAPSEL_E2E_OUTPUT_DIR "/xfce/share-window.png")});
        return decoded == shareLink;
    })) << decoded.toStdString();
}

TEST_F(SupportEndToEnd, RateAppsFirstButtonAndSendFeedbackHandXdgOpenTheirPages) {
    const QString item = start();
    ASSERT_FALSE(item.isEmpty());
    ASSERT_TRUE(host->choose(item, {u"More"_s, u"Rate App"_s}));
    QString alert;
    ASSERT_TRUE(eventually([&] {
        alert = desktop.visibleWindow({u"--pid"_s, QString::number(gapsel.processId())});
        return !alert.isEmpty();
    }));
    desktop.xdotool(u"windowfocus --sync "_s + alert);
    desktop.saveScreenshot(u"rate-alert"_s);
    // Titled with the program's name; its class is the one the desktop entry names.
    const QString properties =
        desktop.output(u"xprop"_s, {u"-id"_s, alert, u"WM_CLASS"_s, u"_NET_WM_NAME"_s});
    EXPECT_TRUE(properties.contains(u"_NET_WM_NAME(UTF8_STRING) = \"Gapsel\""_s) &&
                properties.contains(u"WM_CLASS(STRING) = \"%1\", \"%1\""_s.arg(startupWMClass())))
        << properties.toStdString();
    // Return presses the first button, "Rate in Software Center".
    desktop.xdotool(u"key Return"_s);
    EXPECT_TRUE(eventually([&] { return opened() == QStringList{shareLink}; }))
        << opened().join(QLatin1Char(' ')).toStdString();
    // The feedback page carries this machine's system.
    ASSERT_TRUE(host->choose(item, {u"More"_s, u"Send Feedback…"_s}));
    ASSERT_TRUE(eventually([&] { return opened().size() == 2; }));
    const QUrl url(opened().last());
    EXPECT_EQ(url.toString(QUrl::RemoveQuery), u"https://gapsel.app/feedback"_s);
    const QStringList metadata =
        QUrlQuery(url).queryItemValue(u"metadata"_s, QUrl::FullyDecoded).split(u'\n');
    const auto line = [&](const QString& key) {
        for (const QString& entry : metadata)
            if (entry.startsWith(key + u": "_s))
                return entry.mid(key.size() + 2);
        return QString();
    };
    EXPECT_TRUE(line(u"OS"_s).startsWith(QSysInfo::prettyProductName() + u" (Linux "_s))
        << metadata.join(u'\n').toStdString();
    EXPECT_EQ(line(u"Session"_s).section(u' ', 1), u"(xcb)"_s);
    // Linux's own words for the id and the installation, not the App Store's.
    EXPECT_EQ(line(u"App ID"_s), u"com.gapsel.Gapsel"_s);
    EXPECT_EQ(line(u"Package"_s), u"none"_s);
    EXPECT_TRUE(line(u"Bundle Identifier"_s).isEmpty() && line(u"App Store"_s).isEmpty());
    EXPECT_TRUE(gapsel.running());
}

TEST_F(SupportEndToEnd, DeleteDataAndSettingsTrashesEverythingAndStartsAfresh) {
    QDir().mkpath(dataHome() + u"/Gapsel"_s);
    ASSERT_TRUE(QFile(dataHome() + u"/Gapsel/kept.txt"_s).open(QIODevice::WriteOnly));
    deleteFromTheSupportWindow();
    if (HasFatalFailure())
        return;

    const QDir trash(dataHome() + u"/Trash/files"_s);
    const QStringList trashed = trash.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(trashed.size(), 2) << trashed.join(u' ').toStdString();
    EXPECT_TRUE(QFileInfo::exists(trash.filePath(u"Gapsel/kept.txt"_s)));
}

// A normal run that inherited a sandbox's variables (started from a sandboxed
// terminal) is no sandbox. With its data on another file system the folder
// above Gapsel's own could really be trashed there: only Gapsel's go.
TEST_F(SupportEndToEnd, InheritedSandboxVariablesLeaveOtherProgramsDataAlone) {
    const QString shm = u"/dev/shm"_s;
    if (!QFileInfo(shm).isWritable() || QStorageInfo(shm) == QStorageInfo(home))
        GTEST_SKIP() << "needs a writable /dev/shm on a file system of its own";
    QTemporaryDir elsewhere(shm + u"/gapsel-e2e-XXXXXX"_s);
    ASSERT_TRUE(elsewhere.isValid());
    const QString share = elsewhere.filePath(u"share"_s);
    const QString cache = elsewhere.filePath(u"cache"_s);
    ASSERT_TRUE(testing_support::writeFile(share + u"/other/kept.txt"_s, "other"));
    ASSERT_TRUE(testing_support::writeFile(share + u"/Gapsel/kept.txt"_s, "ours"));
    desktop.setVariable(u"FLATPAK_ID"_s, u"x"_s);
    desktop.setVariable(u"SNAP"_s, u"/snap/x"_s);
    desktop.setVariable(u"XDG_DATA_HOME"_s, share);
    desktop.setVariable(u"XDG_CACHE_HOME"_s, cache);

    deleteFromTheSupportWindow();
    // Off the home's file system, things go to that file system's own Trash.
    const QStringList trashed =
        takeFromTrash(shm + u"/.Trash-%1"_s.arg(::getuid()), elsewhere.path());
    EXPECT_EQ(trashed, (QStringList{cache + u"/Gapsel"_s, share + u"/Gapsel"_s}))
        << trashed.join(u' ').toStdString();
    EXPECT_TRUE(QFileInfo::exists(share + u"/other/kept.txt"_s));
}

QStringList lines(e2e::Program& probe) {
    return probe.output().split(u'\n', Qt::SkipEmptyParts);
}

class DebugAndShortcuts : public e2e::DesktopTest {};

// Control+Shift+K: classic key code 0x28, control 0x1000 | shift 0x200.
const QStringList ctrlShiftK = {u"40"_s, u"4608"_s};

TEST_F(DebugAndShortcuts, AGrabbedShortcutFiresWhateverNumLockSaysAndIsRefusedToOthers) {
    e2e::Program probe(QStringLiteral(HOTKEY_PROBE_EXECUTABLE));
    ASSERT_TRUE(probe.start(desktop.environment(), ctrlShiftK, QProcess::ForwardedErrorChannel));
    ASSERT_TRUE(eventually([&] { return lines(probe) == QStringList{u"registered"_s}; }))
        << probe.output().toStdString();

    desktop.xdotool(u"key ctrl+shift+k"_s);
    ASSERT_TRUE(eventually([&] { return lines(probe).size() == 3; }));
    desktop.xdotool(u"key Num_Lock ctrl+shift+k"_s);
    ASSERT_TRUE(eventually([&] { return lines(probe).size() == 5; }));
    // Without Shift it is another combination, which nobody registered.
    desktop.xdotool(u"key Num_Lock ctrl+k"_s);
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
    const QStringList debugWindow{u"--name"_s, u"^Gapsel .* Debug$"_s};
    for (const bool held : {true, false}) {
        SCOPED_TRACE(held ? "Shift and Control held" : "--debug");
        if (held)
            desktop.xdotool(u"keydown shift ctrl"_s);
        e2e::Program gapsel;
        ASSERT_TRUE(
            gapsel.start(desktop.environment(), held ? QStringList() : QStringList{u"--debug"_s}));
        QString item;
        ASSERT_TRUE(eventually([&] {
            item = host->itemServices().value(0);
            return std::ranges::any_of(host->menu(item).children, [](const auto& entry) {
                return entry.properties.value(u"label"_s) == u"Debug"_s;
            });
        }));
        if (held)
            desktop.xdotool(u"keyup shift ctrl"_s);
        ASSERT_TRUE(host->choose(item, {u"Debug"_s}));
        EXPECT_TRUE(eventually([&] { return !desktop.visibleWindow(debugWindow).isEmpty(); }));
        desktop.saveScreenshot(u"debug-window"_s);
        EXPECT_TRUE(gapsel.running());
    }
}

} // namespace
