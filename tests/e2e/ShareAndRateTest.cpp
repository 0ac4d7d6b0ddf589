// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DesktopTest.h"
#include "GapselProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QString shareLink = QStringLiteral("https://flathub.org/apps/" GAPSEL_BUNDLE_ID);

// Runs a program on the test's desktop and returns what it printed.
QString run(const QProcessEnvironment& environment, const QString& program,
            const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        process.kill();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// Gapsel in a real tray on a desktop of the test's own, on which the programs
// that open addresses only write down what they were given, and on which no
// software centre opens appstream: addresses.
class ShareAndRate : public e2e::DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        const QString bin = desktop.configHome() + QStringLiteral("/fake-bin");
        environment = e2e::withRecordingOpener(desktop.environment(), bin, opened());
        e2e::writeScript(bin + QStringLiteral("/xdg-mime"), "exit 0\n");
    }

    void TearDown() override { e2e::endProcess(gapsel); }

    // Starts Gapsel after `earlierLaunches` launches and waits for its item.
    QString start(int earlierLaunches) {
        if (earlierLaunches > 0)
            e2e::runDefaultsTool(environment,
                                 {QStringLiteral("write"), QStringLiteral(GAPSEL_BUNDLE_ID),
                                  QStringLiteral("JX_launchCount"), QStringLiteral("-int"),
                                  QString::number(earlierLaunches)});
        gapsel.setProcessEnvironment(environment);
        gapsel.setProcessChannelMode(QProcess::ForwardedChannels);
        gapsel.start(QStringLiteral(GAPSEL_EXECUTABLE), {});
        if (!gapsel.waitForStarted() ||
            !eventually([&] { return host->itemServices().size() == 1; }))
            return {};
        return host->itemServices().at(0);
    }

    QString visibleWindow(const QStringList& search) const {
        QStringList arguments{QStringLiteral("search"), QStringLiteral("--onlyvisible")};
        return run(environment, QStringLiteral("xdotool"), arguments + search)
            .section(QLatin1Char('\n'), 0, 0);
    }

    // What the desktop's screen shows as a QR code, read as zbarimg reads it.
    QString qrCodeOnScreen() const {
        const QString shot = QStringLiteral(GAPSEL_E2E_OUTPUT_DIR "/share-window.png");
        QDir().mkpath(QStringLiteral(GAPSEL_E2E_OUTPUT_DIR));
        if (!desktop.screenshot().save(shot))
            return {};
        return run(environment, QStringLiteral("zbarimg"),
                   {QStringLiteral("--quiet"), QStringLiteral("--raw"), shot});
    }

    // Chooses More ▸ Rate App and gives the alert that follows the focus.
    bool openRateAlert(const QString& item) {
        if (!host->chooseNested(item, {QStringLiteral("More"), QStringLiteral("Rate App")}))
            return false;
        const QString pid = QString::number(gapsel.processId());
        QString alert;
        if (!eventually([&] {
                alert = visibleWindow({QStringLiteral("--pid"), pid});
                return !alert.isEmpty();
            }))
            return false;
        run(environment, QStringLiteral("xdotool"),
            {QStringLiteral("windowfocus"), QStringLiteral("--sync"), alert});
        return true;
    }
    QString opened() const { return desktop.configHome() + QStringLiteral("/opened-urls"); }
    QStringList openedUrls() const {
        QFile file(opened());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QProcessEnvironment environment;
    QProcess gapsel;
};

TEST_F(ShareAndRate, ShareAppOpensAWindowWhoseQrCodeIsTheShareLink) {
    const QString item = start(0);
    ASSERT_FALSE(item.isEmpty());
    ASSERT_TRUE(host->chooseNested(item, {QStringLiteral("More"), QStringLiteral("Share App")}));
    ASSERT_TRUE(eventually([&] {
        return !visibleWindow({QStringLiteral("--name"), QStringLiteral("^Share Gapsel$")})
                    .isEmpty();
    }));
    QString decoded;
    EXPECT_TRUE(eventually([&] { return (decoded = qrCodeOnScreen()) == shareLink; }))
        << decoded.toStdString();
}

TEST_F(ShareAndRate, RateAppAsksOnceAndItsFirstButtonOpensTheReviewPage) {
    const QString item = start(1);
    ASSERT_FALSE(item.isEmpty());
    ASSERT_TRUE(openRateAlert(item));
    desktop.saveScreenshot(QStringLiteral("rate-alert"));
    // Return presses the first button, "Rate in Software Centre".
    run(environment, QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Return")});
    EXPECT_TRUE(eventually([&] { return openedUrls() == QStringList{shareLink}; }))
        << openedUrls().join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(gapsel.state(), QProcess::Running);
}

TEST_F(ShareAndRate, RateAlertsSecondButtonOpensTheFeedbackPage) {
    const QString item = start(1);
    ASSERT_FALSE(item.isEmpty());
    ASSERT_TRUE(openRateAlert(item));
    // Tab moves to "Send Feedback to Developer", space presses it.
    run(environment, QStringLiteral("xdotool"),
        {QStringLiteral("key"), QStringLiteral("Tab"), QStringLiteral("space")});
    EXPECT_TRUE(eventually([&] {
        const QStringList urls = openedUrls();
        return urls.size() == 1 &&
               urls.first().startsWith(QStringLiteral("https://gapsel.app/feedback?"));
    })) << openedUrls().join(QLatin1Char(' ')).toStdString();
}

} // namespace
