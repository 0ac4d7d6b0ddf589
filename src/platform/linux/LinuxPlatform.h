// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/BundleInfo.h"
#include "platform/Platform.h"
#include "platform/WindowOpener.h"
#include "platform/linux/AppStreamStore.h"
#include "platform/linux/ClockUptime.h"
#include "platform/linux/DesktopHotKeys.h"
#include "platform/linux/DesktopMotionPreference.h"
#include "platform/linux/DesktopNotifications.h"
#include "platform/linux/DesktopPopover.h"
#include "platform/linux/LinuxDeviceFacts.h"
#include "platform/linux/QtAlerts.h"
#include "platform/linux/QtApplication.h"
#include "platform/linux/QtMainQueue.h"
#include "platform/linux/QtMenuPopup.h"
#include "platform/linux/QtModifiers.h"
#include "platform/linux/QtPasteboard.h"
#include "platform/linux/RuntimeDirLoginSession.h"
#include "platform/linux/SandboxFacts.h"
#include "platform/linux/SystemCrashReports.h"
#include "platform/linux/TrayItemVisibility.h"
#include "platform/linux/XdgAutostart.h"
#include "platform/linux/XdgFileManager.h"
#include "platform/linux/XdgMail.h"
#include "platform/linux/XdgUrlSchemes.h"
#include "platform/linux/XdgWorkspace.h"
#include "platform/linux/tray/DBusTrayPlacement.h"
#include "platform/linux/tray/DesktopTrayHosts.h"
#include "platform/linux/tray/TrayStatusBar.h"

#include <QCoreApplication>

namespace platform::xdg {

// The real desktop: every service backed by Qt and the XDG conventions.
// Create it after the QApplication and keep it for as long as the program runs.
class LinuxPlatform {
public:
    // `commandLineGesture`: modifier keys the command line asks to treat as
    // held at start-up, where the keyboard cannot be read (see QtModifiers).
    explicit LinuxPlatform(ModifierFlags commandLineGesture = {})
        : bundle_(BundleInfo::compiledIn(QCoreApplication::applicationFilePath()))
        , modifiers_(commandLineGesture) {
        const SandboxFacts sandbox = readSandboxFacts();
        bundle_.isSandboxed = sandbox.isSandboxed;
        bundle_.isInstalledFromStore = sandbox.isInstalledFromStore;
        bundle_.packaging = sandbox.packaging;
        introduceToDesktop(bundle_);
    }

    Platform platform() {
        return Platform{queue_,         bundle_,      modifiers_,      workspace_,
                        alerts_,        application_, settingsWindow_, aboutPanel_,
                        loginItems_,    statusBar_,   trayHosts_,      trayPlacement_,
                        pasteboard_,    *hotKeys_,    urlSchemes_,     shareWindow_,
                        deviceFacts_,   mail_,        fileManager_,    crashReports_,
                        supportWindow_, popover_,     motion_,         itemVisibility_,
                        uptime_,        store_,       notifications_,  loginSession_};
    }

private:
    QtMainQueue queue_;
    BundleInfo bundle_;
    QtModifiers modifiers_;
    XdgWorkspace workspace_{queue_, urlSchemes_};
    QtAlerts alerts_{bundle_.name};
    QtApplication application_;
    WindowOpener settingsWindow_;
    WindowOpener aboutPanel_;
    XdgAutostart loginItems_{bundle_.identifier, bundle_.name, bundle_.location,
                             QCoreApplication::arguments()};
    // Before the status bar, which follows its changes from the start.
    DesktopTrayHosts trayHosts_;
    // Built before the popup it is handed: it only keeps it.
    TrayStatusBar statusBar_{
        QCoreApplication::translate("LinuxPlatform", "%1 separator")
            .arg(QStringLiteral(GAPSEL_BUNDLE_NAME)),
        trayHosts_, sessionBusConnector(),
        [this](const std::shared_ptr<Menu>& menu, QPoint at) { popup_.show(menu, at); }};
    QtMenuPopup popup_;
    DBusTrayPlacement trayPlacement_{statusBar_.items(), trayHosts_};
    QtPasteboard pasteboard_;
    std::unique_ptr<HotKeys> hotKeys_ = desktopHotKeys();
    XdgUrlSchemes urlSchemes_;
    WindowOpener shareWindow_;
    LinuxDeviceFacts deviceFacts_;
    XdgMail mail_;
    XdgFileManager fileManager_;
    SystemCrashReports crashReports_;
    WindowOpener supportWindow_;
    DesktopPopover popover_{trayHosts_};
    DesktopMotionPreference motion_;
    TrayItemVisibility itemVisibility_{trayHosts_};
    ClockUptime uptime_;
    AppStreamStore store_{bundle_.identifier, bundle_.name, urlSchemes_};
    DesktopNotifications notifications_{bundle_.identifier};
    RuntimeDirLoginSession loginSession_{bundle_.identifier};
};

} // namespace platform::xdg
