// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/AppMain.h"

#include "debug/DiagnosticSwitches.h"
#include "kit/SupportGestures.h"
#include "platform/MainQueue.h"

AppMain::AppMain(platform::Platform platform, debug::InMemoryLog& log)
    : log_(log)
    , defaults_(suites_.standard())
    , separatorKeys_(defaults_)
    , jxkit_(platform, defaults_, log_, kit::supportGestureHandlers(platform))
    , saveFailureAlerts_(defaults_, platform.alerts, platform.mainQueue)
    , pendingServices_(jxkit_, platform, defaults_)
    , firstLaunch_(jxkit_, platform, defaults_)
    , postLaunchStep_(jxkit_, pendingServices_, firstLaunch_, statusItems_, platform.mainQueue)
    , placement_(platform.trayHosts, platform.trayPlacement, platform.pasteboard,
                 platform.mainQueue, separatorKeys_)
    , keyboardShortcuts_(platform.hotKeys, defaults_, menuOpen_)
    , noTrayNotice_(platform, jxkit_.isFirstLaunch()) {
    JXKit::share(&jxkit_);
    debug::applyDiagnostics(*defaults_);
    statusItems_.onMenuOpenClose([this](bool isOpen) { menuOpen_.set(isOpen); });
    platform.mainQueue.async([this] { postLaunchStep_.run(); });
    // Changes that other programs make to the preferences file reach the
    // separators at once.
    defaults_->watchForExternalChanges(platform.mainQueue);
    separators_ = std::make_unique<app::SeparatorsView>(
        platform.statusBar, statusItems_, platform.mainQueue,
        menubar::MenuServices{jxkit_, platform.workspace, metadata(platform.store),
                              pendingServices_, platform.alerts},
        separatorKeys_, &placement_);
}

AppMain::~AppMain() {
    JXKit::share(nullptr);
}

kit::Metadata AppMain::metadata(const platform::Store& store) {
    return kit::Metadata{QUrl(QStringLiteral("https://gapsel.app/")), store.applicationId()};
}
