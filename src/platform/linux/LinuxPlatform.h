// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/BundleInfo.h"
#include "platform/Platform.h"
#include "platform/WindowOpener.h"
#include "platform/linux/LinuxDeviceFacts.h"
#include "platform/linux/QtAlerts.h"
#include "platform/linux/QtApplication.h"
#include "platform/linux/QtMainQueue.h"
#include "platform/linux/QtModifiers.h"
#include "platform/linux/QtPasteboard.h"
#include "platform/linux/SystemCrashReports.h"
#include "platform/linux/XdgAutostart.h"
#include "platform/linux/XdgFileManager.h"
#include "platform/linux/XdgMail.h"
#include "platform/linux/XdgWorkspace.h"
#include "platform/linux/tray/DesktopTrayHosts.h"
#include "platform/linux/tray/TrayStatusBar.h"

#include <QCoreApplication>

namespace platform::xdg {

// The real desktop: every service backed by Qt and the XDG conventions.
// Create it after the QApplication and keep it for as long as the program runs.
class LinuxPlatform {
public:
    LinuxPlatform()
        : bundle_(BundleInfo::compiledIn(QCoreApplication::applicationFilePath())) {}

    Platform platform() {
        return Platform{queue_,        bundle_,         modifiers_,  workspace_,  alerts_,
                        application_,  settingsWindow_, aboutPanel_, loginItems_, statusBar_,
                        trayHosts_,    deviceFacts_,    pasteboard_, mail_,       fileManager_,
                        crashReports_, supportWindow_};
    }

private:
    QtMainQueue queue_;
    BundleInfo bundle_;
    QtModifiers modifiers_;
    XdgWorkspace workspace_{queue_};
    QtAlerts alerts_;
    QtApplication application_;
    WindowOpener settingsWindow_;
    WindowOpener aboutPanel_;
    XdgAutostart loginItems_{bundle_.identifier, bundle_.name, bundle_.location,
                             QCoreApplication::arguments()};
    TrayStatusBar statusBar_{QStringLiteral(GAPSEL_BUNDLE_NAME)};
    DesktopTrayHosts trayHosts_;
    LinuxDeviceFacts deviceFacts_;
    QtPasteboard pasteboard_;
    XdgMail mail_;
    XdgFileManager fileManager_;
    SystemCrashReports crashReports_;
    WindowOpener supportWindow_;
};

} // namespace platform::xdg
