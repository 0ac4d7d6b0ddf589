// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

namespace platform {

class Alerts;
class Application;
class MainQueue;
class Modifiers;
class LoginItems;
class WindowOpener;
class StatusBar;
class TrayHosts;
class Workspace;
class Popover;
class MotionPreference;
class ItemVisibility;
class Uptime;
struct BundleInfo;

// Every desktop service the program uses, handed to it at start-up. main() fills
// it with the real desktop; tests fill it with the simulated one.
struct Platform {
    MainQueue& mainQueue;
    const BundleInfo& bundle;
    Modifiers& modifiers;
    Workspace& workspace;
    Alerts& alerts;
    Application& application;
    WindowOpener& settingsWindow;
    WindowOpener& aboutPanel;
    LoginItems& loginItems;
    StatusBar& statusBar;
    TrayHosts& trayHosts;
    Popover& popover;
    MotionPreference& motion;
    ItemVisibility& itemVisibility;
    Uptime& uptime;
};

} // namespace platform
