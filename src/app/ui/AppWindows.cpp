// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/ui/AppWindows.h"

#include "app/AppMain.h"
#include "app/ui/AppIcon.h"
#include "app/ui/SettingsScreen.h"
#include "debug/ui/DebugWindow.h"
#include "keys/GapselKeys.h"
#include "kit/JXKit.h"
#include "kit/OpenUrl.h"
#include "kit/ShareLink.h"
#include "kit/ui/AboutPanel.h"
#include "kit/ui/ShareAppScreen.h"
#include "kit/ui/SupportWindow.h"
#include "platform/HotKeys.h"
#include "platform/Pasteboard.h"
#include "platform/Store.h"
#include "platform/WindowOpener.h"
#include "shortcuts/MenuItemShortcuts.h"

#include <QApplication>
#include <QCoreApplication>

namespace app {

namespace {

debug::DebugServices debugServices(AppMain& app, platform::Platform platform) {
    JXKit& kit = app.jxkit();
    kit::PendingServices& pending = app.pendingServices();
    const auto standard = app.defaults();
    return {debug::DebugWindow::titleFor(kit.identity().name(), kit.identity().version()),
            standard,
            {{QStringLiteral("Standard"), standard}},
            app.log(),
            platform.mainQueue,
            [&pasteboard = platform.pasteboard, id = kit.identity().id()](const QString& text) {
                pasteboard.setText(text, id);
            },
            [&pending] { pending.copyDebugInfo(); },
            [&pending] { pending.deleteAllData(); },
            [&kit] { kit.relaunch(); },
            [&kit] { kit.showSettingsWindow(); },
            &app.keyboardShortcuts(),
            [&hotKeys = platform.hotKeys](const shortcuts::Shortcut& shortcut) {
                return hotKeys.isTakenBySystem(std::uint32_t(shortcut.carbonKeyCode),
                                               std::uint32_t(shortcut.carbonModifiers));
            },
            [&app, &hotKeys = platform.hotKeys] {
                return shortcuts::menuItemShortcuts(*app.separatorMenu(),
                                                    hotKeys.menuCommandModifier());
            },
            [&hotKeys = platform.hotKeys] { return hotKeys.isAvailable(); }};
}

kit::AboutInfo aboutInfo(const JXKit& kit, platform::Platform platform) {
    return {kit.identity().name(),
            kit.identity().versionWithBuild(),
            QCoreApplication::translate(
                "AppWindows", "Separators for your system tray, to divide its icons into groups."),
            AppMain::metadata(platform.store).website.value_or(QUrl()),
            QCoreApplication::translate("AppWindows", "Copyright \u00a9 The Gapsel developers"),
            QCoreApplication::translate("AppWindows", "GNU General Public License v3.0 or later"),
            QUrl(QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html")),
            [platform](const QUrl& url) { kit::openUrlOrTell(platform, url); }};
}

kit::ShareAppContext shareContext(const JXKit& kit, platform::Platform platform) {
    return {kit.identity().name(), kit.identity().id(),
            kit::shareLink(AppMain::metadata(platform.store), platform.store), platform};
}

} // namespace

AppWindows::AppWindows(AppMain& app, platform::Platform platform)
    : settings_([&app, platform] {
        return new SettingsScreen(app.jxkit().launchAtLogin(), app.separatorKeys().reducedOpacity,
                                  platform.mainQueue);
    })
    , about_(
          [&kit = app.jxkit(), platform] { return new kit::AboutPanel(aboutInfo(kit, platform)); })
    , debug_([&app, platform] { return new debug::DebugWindow(debugServices(app, platform)); })
    , support_([&kit = app.jxkit()] { return kit::SupportWindow::make(kit); }) {
    QApplication::setWindowIcon(appIcon());
    platform.settingsWindow.installOpener([this] { settings_.open(); });
    platform.aboutPanel.installOpener([this] { about_.open(); });
    app.pendingServices().debugWindow.installOpener([this] { debug_.open(); });
    platform.supportWindow.installOpener([this] { support_.open(); });
    platform.shareWindow.installOpener(
        [&kit = app.jxkit(), platform] { kit::ShareAppScreen::open(shareContext(kit, platform)); });
}

} // namespace app
