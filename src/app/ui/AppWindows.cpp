// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/ui/AppWindows.h"

#include "app/AppMain.h"
#include "app/SeparatorKeys.h"
#include "app/ui/AppIcon.h"
#include "app/ui/SettingsScreen.h"
#include "debug/ui/DebugWindow.h"
#include "kit/JXKit.h"
#include "kit/ui/AboutPanel.h"
#include "platform/HotKeys.h"
#include "platform/WindowOpener.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace app {

namespace {

// Text on the clipboard, marked with the application as its source.
void copyText(const QString& text) {
    auto* data = new QMimeData;
    data->setText(text);
    data->setData(QStringLiteral("org.nspasteboard.source"), QByteArrayLiteral(GAPSEL_BUNDLE_ID));
    QGuiApplication::clipboard()->setMimeData(data);
}

debug::DebugServices debugServices(AppMain& app, platform::Platform platform) {
    JXKit& kit = app.jxkit();
    kit::PendingServices& pending = app.pendingServices();
    const auto standard = UserDefaults::standard();
    return {debug::DebugWindow::titleFor(kit.identity().name(), kit.identity().version()),
            standard,
            {{QStringLiteral("Standard"), standard}},
            debug::InMemoryLog::shared(),
            platform.mainQueue,
            copyText,
            [&pending] { pending.copyDebugInfo(); },
            [&pending] { pending.deleteAllData(); },
            [&kit] { kit.relaunch(); },
            [&kit] { kit.showSettingsWindow(); },
            &app.keyboardShortcuts(),
            [&hotKeys = platform.hotKeys](const shortcuts::Shortcut& shortcut) {
                return hotKeys.isTakenBySystem(std::uint32_t(shortcut.carbonKeyCode),
                                               std::uint32_t(shortcut.carbonModifiers));
            }};
}

} // namespace

AppWindows::AppWindows(AppMain& app, platform::Platform platform)
    : settings_([&kit = app.jxkit(), platform] {
        return new SettingsScreen(kit.launchAtLogin(), keys::reducedOpacity(), platform.mainQueue);
    })
    , about_([&kit = app.jxkit()] {
        return new kit::AboutPanel(
            {kit.identity().name(), kit.identity().versionWithBuild(),
             QStringLiteral("Separators for your system tray, to divide its icons "
                            "into groups.")});
    })
    , debug_([&app, platform] { return new debug::DebugWindow(debugServices(app, platform)); }) {
    QApplication::setWindowIcon(appIcon());
    platform.settingsWindow.installOpener([this] { settings_.open(); });
    platform.aboutPanel.installOpener([this] { about_.open(); });
    app.pendingServices().debugWindow.installOpener([this] { debug_.open(); });
}

} // namespace app
