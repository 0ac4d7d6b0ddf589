// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DesktopTest.h"

#include "TrayPicture.h"
#include "support/TestEnvironment.h"

#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace e2e {

DesktopTest::DesktopTest(const QString& hostName)
    : desktop(testing_support::freshFolder(u"desktop"_s), hostNamed(hostName)) {}

void DesktopTest::SetUp() {
    if (!chosenHosts().contains(desktop.host().name))
        GTEST_SKIP() << "not chosen in GAPSEL_E2E_HOSTS";
    if (QStandardPaths::findExecutable(desktop.host().program).isEmpty())
        GTEST_SKIP() << desktop.host().program.toStdString()
                     << " is not installed (scripts/hosts installs it)";
    if (const QString lacking = desktop.host().lacks(); !lacking.isEmpty())
        GTEST_SKIP() << lacking.toStdString();
    const QString failure = desktop.start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    host.emplace(desktop.bus());
}

bool DesktopTest::eventually(const std::function<bool()>& condition, int timeoutMs) {
    return testing_support::processEventsUntil(condition, timeoutMs);
}

QStringList DesktopTest::idsInWatcher() const {
    QStringList ids;
    for (const QString& service : host->itemServices())
        ids.append(host->itemProperty(service, u"Id"_s).toString());
    return ids;
}

QString DesktopTest::serviceWithId(const QString& id) const {
    return host->itemServices().value(idsInWatcher().indexOf(id));
}

void SeededHostTest::SetUp() {
    DesktopTest::SetUp();
    if (IsSkipped() || HasFatalFailure())
        return;
    // With none, Gapsel makes its first at its first launch.
    if (!seededCharacters.isEmpty())
        seeded = seedSeparators(desktop, seededCharacters);
    ASSERT_EQ(seeded.size(), seededCharacters.size());
    empty = desktop.settledScreen();
}

void SeededHostTest::check(const char* name, bool passed, const QString& detail) const {
    hostCheck(desktop.host().name, name, passed, detail);
}

QList<QRect> SeededHostTest::glyphs(const QImage& screen) const {
    return glyphsIn(empty, screen, desktop.host().tray);
}

QString SeededHostTest::shown(const QImage& screen) const {
    QString shapes;
    for (const QRect& glyph : glyphs(screen))
        shapes += showsRed(screen, glyph) ? u"R"_s : shapeOf(glyph);
    return shapes;
}

QString SeededHostTest::awaitShown(const QString& expected, int timeoutMs) const {
    QString last;
    // What was shown last is the answer, whether it came in time or not.
    static_cast<void>(
        eventually([&] { return (last = shown(desktop.screenshot())) == expected; }, timeoutMs));
    return last;
}

QList<double> SeededHostTest::contrasts(const QImage& screen) const {
    QList<double> values;
    for (const QRect& glyph : glyphs(screen))
        values.append(glyphContrast(screen, glyph, desktop.host().panel));
    return values;
}

void SeededHostTest::checkContrast(const char* name, const QImage& screen, double least) const {
    const QList<double> values = contrasts(screen);
    QStringList texts;
    for (double value : values)
        texts.append(QString::number(value, 'f', 2));
    check(name,
          !values.isEmpty() &&
              std::ranges::all_of(values, [&](double value) { return value >= least; }),
          u"%1 (at least %2:1)"_s.arg(texts.join(u' ')).arg(least, 0, 'f', 0));
}

void SeededHostTest::checkLeftClick(const QImage& screen) const {
    const QRect glyph = glyphs(screen).value(0);
    const QImage withMenu = glyph.isValid() ? menuOnClick(desktop, screen, glyph) : QImage();
    savePanel(desktop, withMenu, u"left-click"_s);
    check("left-click", !withMenu.isNull(),
          u"clicked at %1,%2 for a menu"_s.arg(glyph.center().x()).arg(glyph.center().y()));
}

std::string nameOfHost(const ::testing::TestParamInfo<std::string>& host) {
    std::string name = host.param;
    std::ranges::replace(name, '-', '_');
    return name;
}

bool startLogging(Program& gapsel, QProcessEnvironment environment) {
    environment.insert(u"QT_LOGGING_RULES"_s, u"gapsel.platform.info=true"_s);
    return gapsel.start(environment, {}, QProcess::ForwardedOutputChannel);
}

void idle(int ms) {
    testing_support::processEventsUntil([] { return false; }, ms);
}

void hostCheck(const QString& host, const char* check, bool passed, const QString& detail) {
    std::printf("[host-check] %s %s %s %s\n", qPrintable(host), check, passed ? "pass" : "FAIL",
                qPrintable(detail));
    std::fflush(stdout);
    EXPECT_TRUE(passed) << check << ": " << detail.toStdString();
}

QString alertLine(Program& gapsel) {
    static const QRegularExpression line(u"Alert: [^\\n]*"_s);
    return line.match(gapsel.output()).captured();
}

void savePanel(const VirtualDesktop& desktop, const QImage& screen, const QString& name) {
    const QRect tray = desktop.host().tray & screen.rect();
    desktop.saveScreenshot(name, screen.copy(tray).scaled(tray.size() * 4));
    desktop.saveScreenshot(name + u"-screen"_s, screen);
}

int gapBetween(const QRect& a, const QRect& b) {
    const int dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const int dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return std::max(dx, dy);
}

QImage menuOnClick(const VirtualDesktop& desktop, const QImage& screen, const QRect& glyph,
                   int button) {
    desktop.xdotool(
        u"mousemove %1 %2 click %3"_s.arg(glyph.center().x()).arg(glyph.center().y()).arg(button));
    QImage now;
    const auto menuShown = [&] {
        now = desktop.screenshot();
        return e2e::menuShown(screen, now, desktop.host().panel);
    };
    const QImage withMenu = testing_support::processEventsUntil(menuShown, 10000) ? now : QImage();
    // Escape closes a menu that has the keyboard; one that has not closes
    // with a click elsewhere.
    for (const char* close : {"key Escape", "click 1"}) {
        desktop.xdotool(pointerAway + u' ' + QLatin1String(close));
        if (testing_support::processEventsUntil([&] { return !menuShown(); }, 3000))
            break;
    }
    return withMenu;
}

void checkStarts(const QString& host, const char* variable, const QString& what,
                 const std::function<QString(int)>& start) {
    const int starts = qEnvironmentVariableIsSet(variable)
                           ? std::max(1, qEnvironmentVariableIntValue(variable))
                           : 3;
    QStringList failures;
    for (int index = 0; index < starts; ++index)
        if (const QString failure = start(index); !failure.isEmpty())
            failures.append(u"start %1: "_s.arg(index + 1) + failure);
    hostCheck(
        host, "starts", failures.isEmpty(),
        (QStringList{u"%1 starts %2: %3 failed"_s.arg(starts).arg(what).arg(failures.size())} +
         failures)
            .join(u"; "_s));
}

} // namespace e2e
