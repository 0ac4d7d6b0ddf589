// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

// The first launch on a real desktop: the greeting near the tray, and the
// warning when the separator does not appear.

#include "GapselProcess.h"
#include "StoredSeparators.h"
#include "VirtualDesktop.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <optional>

using testing_support::processEventsUntil;

namespace {

const QString greeting = QStringLiteral("Hello, I'm Gapsel");
const QString separatorId = QStringLiteral("0F3C2A51-7B6D-4E08-9A1C-5D2E8F4B7A90");

class FirstLaunch : public ::testing::Test {
protected:
    void TearDown() override { e2e::endProcess(gapsel); }

    // A desktop with XFCE's default layout, whose tray hides the items with
    // `hiddenIds`; with `withTray` false, without the panel.
    void start(const QStringList& hiddenIds = {}, bool withTray = true) {
        desktop.emplace(testing_support::freshFolder(QStringLiteral("first-launch")),
                        e2e::xfceWithTrayAtRightEnd(hiddenIds));
        const QString failure = withTray ? desktop->start() : desktop->startWithoutHost();
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }
    void launch() {
        QProcessEnvironment environment = desktop->environment();
        environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                           QStringLiteral("gapsel.platform.info=true"));
        environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("XFCE"));
        gapsel.setProcessEnvironment(environment);
        gapsel.setProcessChannelMode(QProcess::SeparateChannels);
        gapsel.start(QStringLiteral(GAPSEL_EXECUTABLE), {});
        ASSERT_TRUE(gapsel.waitForStarted());
        launched.start();
    }
    // Everything Gapsel logged so far.
    QString log() {
        errors += QString::fromUtf8(gapsel.readAllStandardError());
        return errors;
    }
    QString alertLine() {
        static const QRegularExpression line(QStringLiteral("Alert: [^\\n]*"));
        return line.match(log()).captured();
    }
    QVariant stored(const QString& key) {
        return e2e::preferences(desktop->configHome()).value(key);
    }
    // Gapsel's visible window that is titled `name`: "X=… Y=… WIDTH=…", or
    // empty.
    QString windowGeometry(const QString& name) {
        const QString window = gapselWindow();
        if (window.isEmpty() || desktop->xdotool({QStringLiteral("getwindowname"), window}) != name)
            return {};
        return desktop->xdotool(
            {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    }
    // Gapsel's first visible window (with the greeting gone: its alert).
    QString gapselWindow() {
        return desktop
            ->xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                       QStringLiteral("--pid"), QString::number(gapsel.processId())})
            .section(QLatin1Char('\n'), 0, 0);
    }
    static int field(const QString& shell, const char* name) {
        const QRegularExpression line(QLatin1String(name) + QStringLiteral("=(\\d+)"));
        return line.match(shell).captured(1).toInt();
    }
    bool within(int milliseconds, const std::function<bool()>& condition) {
        return processEventsUntil(condition, milliseconds);
    }

    std::optional<e2e::VirtualDesktop> desktop;
    QProcess gapsel;
    QElapsedTimer launched;
    QString errors;
};

TEST_F(FirstLaunch, GreetsNearTheTrayEndForFiveSeconds) {
    start();
    launch();
    QString geometry;
    ASSERT_TRUE(within(4000, [&] { return !(geometry = windowGeometry(greeting)).isEmpty(); }))
        << "greeting shown within 2 s of the step, 1 s after start-up";
    const qint64 shownAt = launched.elapsed();
    desktop->saveScreenshot(QStringLiteral("greeting-shown"));
    // Below the top panel, at its right end where the tray is.
    EXPECT_GE(field(geometry, "X") + field(geometry, "WIDTH"), e2e::screenWidth - 160)
        << geometry.toStdString();
    EXPECT_GE(field(geometry, "Y"), 32);
    EXPECT_LE(field(geometry, "Y"), 80);

    ASSERT_TRUE(within(8000, [&] { return windowGeometry(greeting).isEmpty(); }));
    const qint64 goneAfter = launched.elapsed() - shownAt;
    EXPECT_GE(goneAfter, 4000);
    EXPECT_LE(goneAfter, 6500);
    desktop->saveScreenshot(QStringLiteral("greeting-gone"));
    EXPECT_EQ(stored(QStringLiteral("JX_Tooltip_statusBarButtonWelcomePopover")).toLongLong(), 1);
    // The first launch makes one em-dash separator.
    const auto separators = e2e::storedSeparators(desktop->configHome());
    ASSERT_EQ(separators.size(), 1);
    EXPECT_EQ(separators.front().character, QStringLiteral("—"));

    // The separator is shown, so no warning follows.
    processEventsUntil([] { return false; }, 4500);
    EXPECT_TRUE(alertLine().isEmpty()) << alertLine().toStdString();
}

TEST_F(FirstLaunch, ASeparatorTheTrayHidesIsWarnedAboutUntilTheUserSaysNoMore) {
    start({separatorId});
    ASSERT_TRUE(
        e2e::runDefaultsTool(desktop->environment(),
                             {QStringLiteral("write"), QStringLiteral(GAPSEL_BUNDLE_ID),
                              QStringLiteral("separators"), QStringLiteral("-array"),
                              QStringLiteral(R"({"id":"%1","character":"—"})").arg(separatorId)}));

    launch();
    // Greeting (1 s, 0.1 s, 5 s), then 0.2 s and the check's 3 s.
    ASSERT_TRUE(within(15000, [&] { return !gapselWindow().isEmpty(); }));
    const qint64 alertAt = launched.elapsed();
    EXPECT_GE(alertAt, 8500);
    EXPECT_LE(alertAt, 11500);
    desktop->saveScreenshot(QStringLiteral("alert-hidden-by-xfce"));
    ASSERT_TRUE(within(2000, [&] { return !alertLine().isEmpty(); }));
    const QString alert = alertLine();
    EXPECT_TRUE(alert.contains(QStringLiteral("Menu Bar Item Did Not Appear")))
        << alert.toStdString();
    EXPECT_TRUE(alert.contains(QStringLiteral("Known Items"))) << alert.toStdString();
    EXPECT_FALSE(alert.contains(QStringLiteral("macOS")));

    // The focus goes from OK to the checkbox and back: tick it, then press OK.
    desktop->xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), gapselWindow()});
    desktop->xdotool({QStringLiteral("key"), QStringLiteral("Tab"), QStringLiteral("space")});
    desktop->saveScreenshot(QStringLiteral("alert-checkbox-ticked"));
    desktop->xdotool({QStringLiteral("key"), QStringLiteral("Tab"), QStringLiteral("space")});
    ASSERT_TRUE(within(5000, [&] {
        return stored(QStringLiteral("JX_NSStatusItem_ensureVisibility_shouldNotShowAgain"))
            .toBool();
    }));
    EXPECT_EQ(stored(QStringLiteral("JX_Tooltip_statusBarButtonWelcomePopover")).toLongLong(), 0)
        << "a hidden separator is not greeted";
}

TEST_F(FirstLaunch, WithoutATrayTheWarningNamesIt) {
    start({}, false);
    launch();
    ASSERT_TRUE(within(15000, [&] { return !alertLine().isEmpty(); }));
    const QString alert = alertLine();
    EXPECT_TRUE(alert.contains(QStringLiteral("Nothing on this desktop shows tray items")))
        << alert.toStdString();
    desktop->saveScreenshot(QStringLiteral("alert-no-tray"));
}

} // namespace
