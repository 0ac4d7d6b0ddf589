// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/AppMain.h"

#include "kit/JXKit.h"
#include "platform/MainQueue.h"

AppMain::AppMain(platform::Platform platform)
    : jxkit_(JXKit::shared(platform))
    , firstLaunch_(jxkit_, platform, UserDefaults::standard())
    , postLaunchStep_(jxkit_, pendingServices_, firstLaunch_, platform.mainQueue)
    , noTrayNotice_(platform.trayHosts, platform.mainQueue) {
    platform.mainQueue.async([this] { postLaunchStep_.run(); });
    // Changes that other programs make to the preferences file reach the
    // separators at once.
    UserDefaults::standard()->watchForExternalChanges(platform.mainQueue);
    separators_ = std::make_unique<app::SeparatorsView>(
        platform.statusBar, platform.mainQueue,
        menubar::MenuServices{jxkit_, platform.workspace, metadata(), pendingServices_});
}

kit::Metadata AppMain::metadata() {
    return kit::Metadata{QUrl(QStringLiteral("https://gapsel.app/")), QStringLiteral("2873401956")};
}
