// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/ui/AppWindows.h"

#include "app/AppMain.h"
#include "app/SeparatorKeys.h"
#include "app/ui/AppIcon.h"
#include "app/ui/SettingsScreen.h"
#include "kit/JXKit.h"
#include "kit/OpenUrl.h"
#include "kit/ShareLink.h"
#include "kit/ui/AboutPanel.h"
#include "kit/ui/ShareAppScreen.h"
#include "platform/WindowOpener.h"

#include <QApplication>

namespace app {

namespace {

kit::AboutInfo aboutInfo(const JXKit& kit, platform::Platform platform) {
    return {kit.identity().name(),
            kit.identity().versionWithBuild(),
            QStringLiteral("Separators for your system tray, to divide its icons into groups."),
            AppMain::metadata().website.value_or(QUrl()),
            QStringLiteral("Copyright \u00a9 The Gapsel developers"),
            QStringLiteral("GNU General Public License v3.0 or later"),
            QUrl(QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html")),
            [platform](const QUrl& url) {
                kit::openUrlOrTell(platform.workspace, platform.alerts, url);
            }};
}

kit::ShareAppContext shareContext(const JXKit& kit, platform::Platform platform) {
    return {kit.identity().name(), kit.identity().id(), kit::shareLink(AppMain::metadata()),
            platform};
}

} // namespace

AppWindows::AppWindows(JXKit& kit, platform::Platform platform)
    : settings_([&kit, platform] {
        return new SettingsScreen(kit.launchAtLogin(), keys::reducedOpacity(), platform.mainQueue);
    })
    , about_([&kit, platform] { return new kit::AboutPanel(aboutInfo(kit, platform)); }) {
    QApplication::setWindowIcon(appIcon());
    platform.settingsWindow.installOpener([this] { settings_.open(); });
    platform.aboutPanel.installOpener([this] { about_.open(); });
    platform.shareWindow.installOpener(
        [&kit, platform] { kit::ShareAppScreen::open(shareContext(kit, platform)); });
}

} // namespace app
