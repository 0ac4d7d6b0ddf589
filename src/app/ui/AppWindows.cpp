// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/ui/AppWindows.h"

#include "app/SeparatorKeys.h"
#include "app/ui/AppIcon.h"
#include "app/ui/SettingsScreen.h"
#include "kit/JXKit.h"
#include "kit/ui/AboutPanel.h"
#include "kit/ui/SupportWindow.h"
#include "platform/WindowOpener.h"

#include <QApplication>

namespace app {

AppWindows::AppWindows(JXKit& kit, platform::Platform platform)
    : settings_([&kit, platform] {
        return new SettingsScreen(kit.launchAtLogin(), keys::reducedOpacity(), platform.mainQueue);
    })
    , about_([&kit] {
        return new kit::AboutPanel(
            {kit.identity().name(), kit.identity().versionWithBuild(),
             QStringLiteral("Separators for your system tray, to divide its icons "
                            "into groups.")});
    })
    , support_([&kit] { return new kit::SupportWindow(kit); }) {
    QApplication::setWindowIcon(appIcon());
    platform.settingsWindow.installOpener([this] { settings_.open(); });
    platform.aboutPanel.installOpener([this] { about_.open(); });
    platform.supportWindow.installOpener([this] { support_.open(); });
}

} // namespace app
