// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/AppMain.h"

#include "kit/JXKit.h"
#include "kit/SupportGestures.h"
#include "platform/MainQueue.h"

AppMain::AppMain(platform::Platform platform)
    : jxkit_(JXKit::shared(platform, kit::supportGestureHandlers(platform)))
    , saveFailureAlerts_(UserDefaults::standard(), platform.alerts, platform.mainQueue)
    , pendingServices_(jxkit_, platform)
    , firstLaunch_(jxkit_, platform, UserDefaults::standard())
    , postLaunchStep_(jxkit_, pendingServices_, firstLaunch_, platform.mainQueue)
    , placement_(platform.trayHosts, platform.trayPlacement, platform.pasteboard,
                 platform.mainQueue)
    , keyboardShortcuts_(platform.hotKeys, UserDefaults::standard())
    , noTrayNotice_(platform.trayHosts, platform.mainQueue) {
    platform.mainQueue.async([this] { postLaunchStep_.run(); });
    // Changes that other programs make to the preferences file reach the
    // separators at once.
    UserDefaults::standard()->watchForExternalChanges(platform.mainQueue);
    separators_ = std::make_unique<app::SeparatorsView>(
        platform.statusBar, platform.mainQueue,
        menubar::MenuServices{jxkit_, platform.workspace, metadata(), pendingServices_,
                              platform.alerts},
        UserDefaults::standard(), &placement_);
}

kit::Metadata AppMain::metadata() {
    return kit::Metadata{QUrl(QStringLiteral("https://gapsel.app/")),
                         QStringLiteral(GAPSEL_BUNDLE_ID)};
}
