// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DesktopTest.h"
#include "GapselProcess.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
using namespace Qt::StringLiterals;

namespace {

QString xdotool(const QProcessEnvironment& environment, const QStringList& arguments) {
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(10000))
        tool.kill();
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// A program on the test's desktop whose standard output is collected.
struct Program {
    Program(const QProcessEnvironment& environment, const QString& executable,
            const QStringList& arguments) {
        process.setProcessEnvironment(environment);
        QObject::connect(&process, &QProcess::readyReadStandardOutput,
                         [this] { output += QString::fromUtf8(process.readAllStandardOutput()); });
        process.start(executable, arguments);
    }
    ~Program() { e2e::endProcess(process); }
    QStringList lines() const { return output.split(u'\n', Qt::SkipEmptyParts); }
    QProcess process;
    QString output;
};

class DebugAndShortcuts : public e2e::DesktopTest {
protected:
    QString xdo(const QStringList& arguments) { return xdotool(desktop.environment(), arguments); }
};

// Control+Shift+K: classic key code 0x28, control 0x1000 | shift 0x200.
const QStringList ctrlShiftK = {QStringLiteral("40"), QStringLiteral("4608")};

TEST_F(DebugAndShortcuts, AGrabbedShortcutFiresWhateverNumLockSaysAndIsRefusedToOthers) {
    Program probe(desktop.environment(), QStringLiteral(HOTKEY_PROBE_EXECUTABLE), ctrlShiftK);
    ASSERT_TRUE(eventually([&] { return probe.lines() == QStringList{u"registered"_s}; }))
        << probe.output.toStdString();

    xdo({QStringLiteral("key"), QStringLiteral("ctrl+shift+k")});
    ASSERT_TRUE(eventually([&] { return probe.lines().size() == 3; }));
    xdo({QStringLiteral("key"), QStringLiteral("Num_Lock")});
    xdo({QStringLiteral("key"), QStringLiteral("ctrl+shift+k")});
    ASSERT_TRUE(eventually([&] { return probe.lines().size() == 5; }));
    xdo({QStringLiteral("key"), QStringLiteral("Num_Lock")});
    // Without Shift it is another combination, which nobody registered.
    xdo({QStringLiteral("key"), QStringLiteral("ctrl+k")});
    EXPECT_FALSE(eventually([&] { return probe.lines().size() > 5; }, 1000));
    EXPECT_EQ(probe.lines(),
              (QStringList{u"registered"_s, u"down"_s, u"up"_s, u"down"_s, u"up"_s}));

    Program other(desktop.environment(), QStringLiteral(HOTKEY_PROBE_EXECUTABLE), ctrlShiftK);
    ASSERT_TRUE(eventually([&] { return !other.lines().isEmpty(); }));
    EXPECT_EQ(other.lines(), QStringList{u"refused"_s});
}

TEST_F(DebugAndShortcuts, ShiftControlAtStartOffersTheDebugWindow) {
    xdo({QStringLiteral("keydown"), QStringLiteral("shift"), QStringLiteral("ctrl")});
    Program gapsel(desktop.environment(), QStringLiteral(GAPSEL_EXECUTABLE), {});
    ASSERT_TRUE(eventually([&] { return host->itemServices().size() == 1; }));
    const QString item = host->itemServices().at(0);
    QStringList labels;
    ASSERT_TRUE(eventually([&] {
        labels.clear();
        for (const auto& entry : host->menu(item).children)
            labels << entry.properties.value(QStringLiteral("label")).toString();
        return labels.contains(QStringLiteral("Debug"));
    })) << labels.join(u',').toStdString();
    xdo({QStringLiteral("keyup"), QStringLiteral("shift"), QStringLiteral("ctrl")});

    // Starting Gapsel again while it runs leaves a line in its log.
    for (int again = 0; again < 3; ++again) {
        QProcess second;
        second.setProcessEnvironment(desktop.environment());
        second.start(QStringLiteral(GAPSEL_EXECUTABLE), {});
        ASSERT_TRUE(second.waitForFinished(20000));
    }

    ASSERT_TRUE(host->choose(item, QStringLiteral("Debug")));
    QString window;
    ASSERT_TRUE(eventually([&] {
        window = xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--name"), QStringLiteral("^Gapsel .* Debug$")});
        return !window.isEmpty();
    }));
    xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    ASSERT_TRUE(eventually([&] { return !desktop.screenshot().isNull(); }));
    const QImage dashboard = desktop.screenshot();
    // The sidebar has the focus: three down from "Dashboard" is "Logs".
    xdo({QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Down"),
         QStringLiteral("Down")});
    ASSERT_TRUE(eventually([&] { return desktop.screenshot() != dashboard; }));
    const QImage logs = desktop.screenshot();
    desktop.saveScreenshot(QStringLiteral("debug-window-logs"));

    // The preferences listing follows a change that another program makes.
    xdo({QStringLiteral("key"), QStringLiteral("Up")});
    ASSERT_TRUE(eventually([&] { return desktop.screenshot() != logs; }));
    const QImage listing = desktop.screenshot();
    ASSERT_TRUE(e2e::runDefaultsTool(desktop.environment(),
                                     {QStringLiteral("write"), QStringLiteral(GAPSEL_BUNDLE_ID),
                                      QStringLiteral("writtenElsewhere"), QStringLiteral("-string"),
                                      QStringLiteral("by gapsel-defaults")}));
    ASSERT_TRUE(eventually([&] { return desktop.screenshot() != listing; }));
    desktop.saveScreenshot(QStringLiteral("debug-window-defaults"));
    EXPECT_EQ(gapsel.process.state(), QProcess::Running);
}

TEST_F(DebugAndShortcuts, TheDebugOptionStandsInForTheHeldKeys) {
    Program gapsel(desktop.environment(), QStringLiteral(GAPSEL_EXECUTABLE),
                   {QStringLiteral("--debug")});
    ASSERT_TRUE(eventually([&] { return host->itemServices().size() == 1; }));
    ASSERT_TRUE(eventually([&] {
        const auto entries = host->menu(host->itemServices().at(0)).children;
        return std::any_of(entries.begin(), entries.end(), [](const auto& entry) {
            return entry.properties.value(QStringLiteral("label")) == QStringLiteral("Debug");
        });
    }));
}

} // namespace
