// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "DesktopTest.h"
#include "GapselProcess.h"
#include "StoredSeparators.h"
#include "platform/linux/tray/DBusTypes.h"

#include <QDBusArgument>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

// The panel's height, as its configuration (xfce4-panel.xml) sets it.
constexpr int panelHeight = 32;

// How many pixels of the panel along the top differ clearly from its
// background (the colour most of it has): the ink of the tray's items.
int inkInPanel(const QImage& screen) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < panelHeight; ++y)
        for (int x = 0; x < screen.width(); ++x)
            ++counts[screen.pixel(x, y)];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    int ink = 0;
    for (int y = 0; y < panelHeight; ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const QRgb pixel = screen.pixel(x, y);
            if (std::abs(qGray(pixel) - qGray(background)) > 40)
                ++ink;
        }
    return ink;
}

// Saves the whole screen as `<name>-screen.png` and, as `<name>.png`, the
// panel's tray end enlarged four times, where the separators are easy to see.
void saveScreenshot(const QImage& screen, const QString& name) {
    const QString folder = QStringLiteral(GAPSEL_E2E_OUTPUT_DIR "/xfce");
    QDir().mkpath(folder);
    screen.save(folder + QLatin1Char('/') + name + QStringLiteral("-screen.png"));
    constexpr int scale = 4;
    screen.copy(0, 0, 160, panelHeight)
        .scaled(160 * scale, panelHeight * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Gapsel and a real tray host on a desktop of the test's own.
class GapselInTray : public e2e::DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        gapsel.setProcessEnvironment(desktop.environment());
        gapsel.setProcessChannelMode(QProcess::ForwardedChannels);
        gapsel.start(QStringLiteral(GAPSEL_EXECUTABLE), {});
        ASSERT_TRUE(gapsel.waitForStarted());
    }

    void TearDown() override { e2e::endProcess(gapsel); }

    QList<e2e::StoredSeparator> stored() const {
        return e2e::storedSeparators(desktop.configHome());
    }

    QProcess gapsel;
};

TEST_F(GapselInTray, SeparatorsAppearInTheTrayAndFollowTheirMenus) {
    // First start: one em-dash separator, stored and shown under its UUID.
    ASSERT_TRUE(
        eventually([&] { return host->itemServices().size() == 1 && stored().size() == 1; }));
    const QString first = host->itemServices().at(0);
    const e2e::StoredSeparator firstStored = stored().at(0);
    EXPECT_EQ(firstStored.character, QStringLiteral("—"));
    EXPECT_EQ(host->itemProperty(first, QStringLiteral("Id")).toString(), firstStored.id);
    EXPECT_EQ(host->itemProperty(first, QStringLiteral("XAyatanaLabel")).toString(),
              QStringLiteral("—"));
    EXPECT_EQ(host->itemProperty(first, QStringLiteral("Status")).toString(),
              QStringLiteral("Active"));
    EXPECT_TRUE(host->itemProperty(first, QStringLiteral("ItemIsMenu")).toBool());

    const auto firstMenu = host->menu(first);
    ASSERT_GE(firstMenu.children.size(), 2);
    EXPECT_EQ(firstMenu.children[0].properties.value(QStringLiteral("label")),
              QStringLiteral("New"));
    EXPECT_EQ(firstMenu.children[1].properties.value(QStringLiteral("label")),
              QStringLiteral("Remove"));
    EXPECT_EQ(firstMenu.children[1].properties.value(QStringLiteral("enabled")), false);

    ASSERT_TRUE(eventually([&] { return inkInPanel(desktop.screenshot()) > 0; }));
    const QImage oneSeparator = desktop.screenshot();
    saveScreenshot(oneSeparator, QStringLiteral("panel-one-separator"));
    const int inkOfOne = inkInPanel(oneSeparator);

    // "New" adds a second em-dash separator at the end.
    ASSERT_TRUE(host->choose(first, QStringLiteral("New")));
    ASSERT_TRUE(
        eventually([&] { return host->itemServices().size() == 2 && stored().size() == 2; }));
    const e2e::StoredSeparator secondStored = stored().at(1);
    EXPECT_EQ(secondStored.character, QStringLiteral("—"));
    EXPECT_NE(secondStored.id, firstStored.id);
    // The watcher lists items in an order of its own; the Id tells them apart.
    const QString second = serviceWithId(secondStored.id);
    ASSERT_FALSE(second.isEmpty());
    EXPECT_NE(second, first);

    // Choosing a character changes the stored separator and its item in place.
    ASSERT_TRUE(host->choose(second, QStringLiteral("·")));
    ASSERT_TRUE(eventually([&] {
        return !stored().isEmpty() && stored().size() == 2 &&
               stored().at(1).character == QStringLiteral("·") &&
               host->itemProperty(second, QStringLiteral("XAyatanaLabel")).toString() ==
                   QStringLiteral("·");
    }));
    EXPECT_EQ(host->itemServices().size(), 2);

    // Both separators are drawn: more ink than one alone.
    ASSERT_TRUE(eventually([&] { return inkInPanel(desktop.screenshot()) > inkOfOne; }));
    saveScreenshot(desktop.screenshot(), QStringLiteral("panel"));

    // "Remove", chosen as XFCE chooses, takes the second one away again.
    ASSERT_TRUE(eventually([&] {
        return !host->menu(first).children.isEmpty() &&
               !host->menu(first).children[1].properties.contains(QStringLiteral("enabled"));
    }));
    ASSERT_TRUE(host->chooseInGroups(second, QStringLiteral("Remove")));
    ASSERT_TRUE(
        eventually([&] { return host->itemServices().size() == 1 && stored().size() == 1; }));
    EXPECT_EQ(host->itemServices().at(0), first);
    EXPECT_EQ(stored().at(0).id, firstStored.id);
    EXPECT_EQ(gapsel.state(), QProcess::Running);
}

// The strongest alpha in an item's icon at its largest size.
int strongestAlpha(const QVariant& iconPixmap) {
    platform::xdg::DBusImageList icons;
    iconPixmap.value<QDBusArgument>() >> icons;
    if (icons.isEmpty())
        return -1;
    const QImage image = platform::xdg::fromDBusImage(icons.back());
    int strongest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            strongest = std::max(strongest, qAlpha(image.pixel(x, y)));
    return strongest;
}

TEST_F(GapselInTray, ReducedOpacitySetFromOutsideDimsTheSeparator) {
    ASSERT_TRUE(eventually([&] { return host->itemServices().size() == 1; }));
    const QString service = host->itemServices().at(0);
    const int full = strongestAlpha(host->itemProperty(service, QStringLiteral("IconPixmap")));
    ASSERT_GT(full, 0);

    QProcess defaults;
    defaults.setProcessEnvironment(desktop.environment());
    defaults.start(QStringLiteral(GAPSEL_DEFAULTS_EXECUTABLE),
                   {QStringLiteral("write"), QStringLiteral(GAPSEL_BUNDLE_ID),
                    QStringLiteral("reducedOpacity"), QStringLiteral("-bool"),
                    QStringLiteral("true")});
    ASSERT_TRUE(defaults.waitForFinished(20000));
    ASSERT_EQ(defaults.exitCode(), 0);

    ASSERT_TRUE(eventually([&] {
        const int dimmed =
            strongestAlpha(host->itemProperty(service, QStringLiteral("IconPixmap")));
        return dimmed > 0 && dimmed < full;
    }));
}

// Runs xdotool on the test's desktop and returns what it printed.
QString xdotool(const QProcessEnvironment& environment, const QStringList& arguments) {
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(10000))
        tool.kill();
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

TEST_F(GapselInTray, SettingsOpenFromTheMenuAndLaunchAtLoginWritesTheAutostartEntry) {
    ASSERT_TRUE(eventually([&] { return host->itemServices().size() == 1; }));
    const QImage before = desktop.screenshot();
    ASSERT_TRUE(host->choose(host->itemServices().at(0), QStringLiteral("Settings…")));

    QString window;
    ASSERT_TRUE(eventually([&] {
        window = xdotool(desktop.environment(),
                         {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                          QStringLiteral("--name"), QStringLiteral("Gapsel Settings")});
        return !window.isEmpty();
    }));
    ASSERT_TRUE(eventually([&] { return desktop.screenshot() != before; }))
        << "the window is drawn";
    desktop.screenshot().save(QStringLiteral(GAPSEL_E2E_OUTPUT_DIR "/xfce/settings-window.png"));

    // The first switch, "Launch at login", has the keyboard focus.
    const QString entry =
        desktop.configHome() + QStringLiteral("/autostart/" GAPSEL_BUNDLE_ID ".desktop");
    xdotool(desktop.environment(),
            {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    xdotool(desktop.environment(), {QStringLiteral("key"), QStringLiteral("space")});
    ASSERT_TRUE(eventually([&] { return QFile::exists(entry); }));
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("Exec=" + QByteArray(GAPSEL_EXECUTABLE) + " --launched-at-login"))
        << text.constData();

    xdotool(desktop.environment(), {QStringLiteral("key"), QStringLiteral("space")});
    EXPECT_TRUE(eventually([&] { return !QFile::exists(entry); }));
    EXPECT_EQ(gapsel.state(), QProcess::Running);
}

TEST_F(GapselInTray, GapselKeepsRunningWhenTheTrayGoesAwayAndComesBackToIt) {
    ASSERT_TRUE(eventually([&] { return host->itemServices().size() == 1; }));
    const QString id = stored().value(0).id;
    const QString failure = desktop.restartHost();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    ASSERT_TRUE(eventually([&] { return host->itemServices().size() == 1; }));
    EXPECT_EQ(host->itemProperty(host->itemServices().at(0), QStringLiteral("Id")).toString(), id);
    EXPECT_EQ(gapsel.state(), QProcess::Running);
}

} // namespace
