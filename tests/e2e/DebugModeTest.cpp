// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DesktopTest.h"
#include "GapselProcess.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
using namespace Qt::StringLiterals;

namespace {

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

class DebugAndShortcuts : public e2e::DesktopTest {};

// Control+Shift+K: classic key code 0x28, control 0x1000 | shift 0x200.
const QStringList ctrlShiftK = {QStringLiteral("40"), QStringLiteral("4608")};

TEST_F(DebugAndShortcuts, AGrabbedShortcutFiresWhateverNumLockSaysAndIsRefusedToOthers) {
    Program probe(desktop.environment(), QStringLiteral(HOTKEY_PROBE_EXECUTABLE), ctrlShiftK);
    ASSERT_TRUE(eventually([&] { return probe.lines() == QStringList{u"registered"_s}; }))
        << probe.output.toStdString();

    desktop.xdotool({QStringLiteral("key"), QStringLiteral("ctrl+shift+k")});
    ASSERT_TRUE(eventually([&] { return probe.lines().size() == 3; }));
    desktop.xdotool(
        {QStringLiteral("key"), QStringLiteral("Num_Lock"), QStringLiteral("ctrl+shift+k")});
    ASSERT_TRUE(eventually([&] { return probe.lines().size() == 5; }));
    // Without Shift it is another combination, which nobody registered.
    desktop.xdotool({QStringLiteral("key"), QStringLiteral("Num_Lock"), QStringLiteral("ctrl+k")});
    EXPECT_FALSE(eventually([&] { return probe.lines().size() > 5; }, 1000));
    EXPECT_EQ(probe.lines(),
              (QStringList{u"registered"_s, u"down"_s, u"up"_s, u"down"_s, u"up"_s}));

    Program other(desktop.environment(), QStringLiteral(HOTKEY_PROBE_EXECUTABLE), ctrlShiftK);
    ASSERT_TRUE(eventually([&] { return !other.lines().isEmpty(); }));
    EXPECT_EQ(other.lines(), QStringList{u"refused"_s});
}

// Shift and Control held at start, or --debug where held keys cannot be read,
// offer the Debug entry, which opens the debug window.
TEST_F(DebugAndShortcuts, ShiftControlAtStartOrTheDebugOptionOfferTheDebugWindow) {
    const QStringList keys{QStringLiteral("shift"), QStringLiteral("ctrl")};
    const QStringList debugWindow{QStringLiteral("--name"), QStringLiteral("^Gapsel .* Debug$")};
    for (const bool held : {true, false}) {
        SCOPED_TRACE(held ? "Shift and Control held" : "--debug");
        if (held)
            desktop.xdotool(QStringList{QStringLiteral("keydown")} + keys);
        Program gapsel(desktop.environment(), QStringLiteral(GAPSEL_EXECUTABLE),
                       held ? QStringList() : QStringList{QStringLiteral("--debug")});
        QString item;
        ASSERT_TRUE(eventually([&] {
            item = host->itemServices().value(0);
            return std::ranges::any_of(host->menu(item).children, [](const auto& entry) {
                return entry.properties.value(QStringLiteral("label")) == QStringLiteral("Debug");
            });
        }));
        if (held)
            desktop.xdotool(QStringList{QStringLiteral("keyup")} + keys);
        ASSERT_TRUE(host->choose(item, {QStringLiteral("Debug")}));
        EXPECT_TRUE(eventually([&] { return !desktop.visibleWindow(debugWindow).isEmpty(); }));
        desktop.saveScreenshot(QStringLiteral("debug-window"));
        EXPECT_EQ(gapsel.process.state(), QProcess::Running);
    }
}

} // namespace
