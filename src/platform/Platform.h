// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

namespace platform {

class Alerts;
class HotKeys;
class Application;
class MainQueue;
class Modifiers;
class LoginItems;
class Pasteboard;
class WindowOpener;
class StatusBar;
class TrayHosts;
class TrayPlacement;
class Pasteboard;
class UrlSchemes;
class Workspace;
class DeviceFacts;
class Pasteboard;
class Mail;
class FileManager;
class CrashReports;
class Popover;
class MotionPreference;
class ItemVisibility;
class Uptime;
class Store;
class Notifications;
class LoginSession;
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
    TrayPlacement& trayPlacement;
    Pasteboard& pasteboard;
    HotKeys& hotKeys;
    UrlSchemes& urlSchemes;
    WindowOpener& shareWindow;
    DeviceFacts& deviceFacts;
    Mail& mail;
    FileManager& fileManager;
    CrashReports& crashReports;
    WindowOpener& supportWindow;
    Popover& popover;
    MotionPreference& motion;
    ItemVisibility& itemVisibility;
    Uptime& uptime;
    Store& store;
    Notifications& notifications;
    LoginSession& loginSession;
};

} // namespace platform
