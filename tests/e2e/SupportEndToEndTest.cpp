// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DesktopTest.h"
#include "GapselProcess.h"
#include "defaults/PropertyList.h"
#include "defaults/UserDefaults.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <optional>
#include <signal.h>

using testing_support::processEventsUntil;

namespace {

// Gapsel on a desktop of the test's own, with its own data and cache folders
// and, first on its PATH, an xdg-open that only writes down what it was asked
// to open.
class SupportEndToEnd : public e2e::DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        environment = e2e::withRecordingOpener(desktop.environment(), home + QStringLiteral("/bin"),
                                               openedLog());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
        gapsel.setProcessEnvironment(environment);
        gapsel.setProcessChannelMode(QProcess::ForwardedChannels);
    }

    void TearDown() override {
        // A relaunched Gapsel is no child of the test: its lock file names it.
        if (const auto pid = relaunchedPid())
            ::kill(*pid, SIGTERM);
        e2e::endProcess(gapsel);
    }

    void start(const QStringList& arguments = {}) {
        gapsel.start(QStringLiteral(GAPSEL_EXECUTABLE), arguments);
        ASSERT_TRUE(gapsel.waitForStarted());
    }

    QString xdotool(const QStringList& arguments) const {
        QProcess tool;
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral("xdotool"), arguments);
        if (!tool.waitForFinished(10000))
            tool.kill();
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

    QString visibleWindow(const QString& name) const {
        return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--name"), name});
    }

    QString preferencesPath() const {
        return desktop.configHome() + QStringLiteral("/" GAPSEL_BUNDLE_ID ".plist");
    }

    QVariantMap preferences() const {
        QFile file(preferencesPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return PropertyList::parse(file.readAll()).value_or(QVariantMap());
    }

    std::optional<qint64> relaunchedPid() const {
        // The running instance's lock lies beside its preferences.
        QFile lock(preferencesPath() + QStringLiteral(".instance"));
        if (!lock.open(QIODevice::ReadOnly))
            return std::nullopt;
        bool isNumber = false;
        const qint64 pid = lock.readLine().trimmed().toLongLong(&isNumber);
        if (!isNumber || pid == gapsel.processId())
            return std::nullopt;
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!commandLine.open(QIODevice::ReadOnly) || !commandLine.readAll().contains("gapsel"))
            return std::nullopt;
        return pid;
    }

    QStringList opened() const {
        QFile file(openedLog());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QString openedLog() const { return home + QStringLiteral("/opened.txt"); }
    QString dataHome() const { return home + QStringLiteral("/data"); }

    const QString home = desktop.home();
    QProcessEnvironment environment;
    QProcess gapsel;
};

TEST_F(SupportEndToEnd, SendFeedbackHandsXdgOpenTheFeedbackPageWithThisMachinesSystem) {
    start();
    ASSERT_TRUE(eventually([&] { return host->itemServices().size() == 1; }));
    ASSERT_TRUE(host->chooseNested(host->itemServices().at(0),
                                   {QStringLiteral("More"), QStringLiteral("Send Feedback…")}));
    ASSERT_TRUE(eventually([&] { return !opened().isEmpty(); }));

    const QUrl url(opened().first());
    EXPECT_EQ(url.toString(QUrl::RemoveQuery), QStringLiteral("https://gapsel.app/feedback"));
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("product")), QStringLiteral("Gapsel"));
    const QStringList metadata =
        query.queryItemValue(QStringLiteral("metadata"), QUrl::FullyDecoded).split(u'\n');
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
    EXPECT_FALSE(query.hasQueryItem(QStringLiteral("messageField")));
    EXPECT_EQ(gapsel.state(), QProcess::Running);
}

TEST_F(SupportEndToEnd, HoldingShiftControlAltAtStartShowsTheSupportWindow) {
    const QStringList keys{QStringLiteral("shift"), QStringLiteral("ctrl"), QStringLiteral("alt")};
    xdotool(QStringList{QStringLiteral("keydown")} + keys);
    start();
    const bool shown =
        eventually([&] { return !visibleWindow(QStringLiteral("Gapsel Support")).isEmpty(); });
    xdotool(QStringList{QStringLiteral("keyup")} + keys);
    ASSERT_TRUE(shown);
    // Give it a moment to be drawn before the picture is taken.
    processEventsUntil([] { return false; }, 1500);
    desktop.saveScreenshot(QStringLiteral("support-window"));
    EXPECT_EQ(gapsel.state(), QProcess::Running);
}

TEST_F(SupportEndToEnd, DeleteDataAndSettingsTrashesEverythingAndStartsAfresh) {
    QDir().mkpath(dataHome() + QStringLiteral("/Gapsel"));
    QFile kept(dataHome() + QStringLiteral("/Gapsel/kept.txt"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.close();
    start({QStringLiteral("--support")});
    ASSERT_TRUE(eventually([&] { return preferences().contains(QStringLiteral("separators")); }));
    const QVariant separatorsBefore = preferences().value(QStringLiteral("separators"));
    // A counter of the kit's, written as another process would.
    ASSERT_TRUE(UserDefaults::open(QStringLiteral(GAPSEL_BUNDLE_ID), preferencesPath())
                    ->set(5, QStringLiteral("JXApp_requestReview")));

    QString window;
    ASSERT_TRUE(eventually([&] {
        window = visibleWindow(QStringLiteral("Gapsel Support"));
        return !window.isEmpty();
    }));
    // The first button, "Delete Data & Settings", has the focus; in the
    // question, Cancel has it and Tab moves it to Delete.
    const QString windowsBefore = visibleWindow(QStringLiteral(".*"));
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    xdotool({QStringLiteral("key"), QStringLiteral("space")});
    // The question is a window of its own.
    const bool asked =
        eventually([&] { return visibleWindow(QStringLiteral(".*")) != windowsBefore; });
    processEventsUntil([] { return false; }, 1500);
    desktop.saveScreenshot(QStringLiteral("support-delete-question"));
    ASSERT_TRUE(asked);
    xdotool({QStringLiteral("key"), QStringLiteral("Tab")});
    xdotool({QStringLiteral("key"), QStringLiteral("space")});

    ASSERT_TRUE(eventually([&] { return gapsel.state() == QProcess::NotRunning; }));
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

    const QDir trash(dataHome() + QStringLiteral("/Trash"));
    const QStringList trashed =
        QDir(trash.filePath(QStringLiteral("files"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(trashed.size(), 2) << trashed.join(u' ').toStdString();
    EXPECT_TRUE(QFileInfo::exists(trash.filePath(QStringLiteral("files/Gapsel/kept.txt"))));
    EXPECT_EQ(QDir(trash.filePath(QStringLiteral("info")))
                  .entryList({QStringLiteral("*.trashinfo")})
                  .size(),
              2);
    EXPECT_FALSE(QFileInfo::exists(dataHome() + QStringLiteral("/Gapsel/kept.txt")));
}

} // namespace
