// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/BundleInfo.h"
#include "platform/Platform.h"
#include "platform/WindowOpener.h"
#include "platform/sim/SimAlerts.h"
#include "platform/sim/SimApplication.h"
#include "platform/sim/SimCrashReports.h"
#include "platform/sim/SimDeviceFacts.h"
#include "platform/sim/SimFileManager.h"
#include "platform/sim/SimHotKeys.h"
#include "platform/sim/SimItemVisibility.h"
#include "platform/sim/SimLoginItems.h"
#include "platform/sim/SimLoginSession.h"
#include "platform/sim/SimMail.h"
#include "platform/sim/SimMainQueue.h"
#include "platform/sim/SimModifiers.h"
#include "platform/sim/SimMotionPreference.h"
#include "platform/sim/SimNotifications.h"
#include "platform/sim/SimPasteboard.h"
#include "platform/sim/SimPopover.h"
#include "platform/sim/SimStatusBar.h"
#include "platform/sim/SimStore.h"
#include "platform/sim/SimTrayHosts.h"
#include "platform/sim/SimTrayPlacement.h"
#include "platform/sim/SimUptime.h"
#include "platform/sim/SimUrlSchemes.h"
#include "platform/sim/SimWorkspace.h"

namespace platform::sim {

// The whole simulated desktop in one object, for tests: every service is a
// public member to script and inspect, and platform() hands them out together.
struct SimPlatform {
    SimMainQueue queue;
    BundleInfo bundle = BundleInfo::compiledIn(QStringLiteral("/opt/gapsel/bin/gapsel"));
    SimModifiers modifiers;
    SimWorkspace workspace{queue};
    SimAlerts alerts;
    SimApplication application;
    WindowOpener settingsWindow;
    WindowOpener aboutPanel;
    SimLoginItems loginItems;
    SimStatusBar statusBar;
    SimTrayHosts trayHosts;
    SimTrayPlacement trayPlacement;
    SimPasteboard pasteboard;
    SimHotKeys hotKeys;
    SimUrlSchemes urlSchemes;
    WindowOpener shareWindow;
    SimDeviceFacts deviceFacts;
    SimMail mail;
    SimFileManager fileManager;
    SimCrashReports crashReports;
    WindowOpener supportWindow;
    SimPopover popover;
    SimMotionPreference motion;
    SimItemVisibility itemVisibility;
    SimUptime uptime;
    SimStore store;
    SimNotifications notifications{queue};
    SimLoginSession loginSession;

    Platform platform() {
        return Platform{queue,         bundle,         modifiers,   workspace,      alerts,
                        application,   settingsWindow, aboutPanel,  loginItems,     statusBar,
                        trayHosts,     trayPlacement,  pasteboard,  hotKeys,        urlSchemes,
                        shareWindow,   deviceFacts,    mail,        fileManager,    crashReports,
                        supportWindow, popover,        motion,      itemVisibility, uptime,
                        store,         notifications,  loginSession};
    }
};

} // namespace platform::sim
