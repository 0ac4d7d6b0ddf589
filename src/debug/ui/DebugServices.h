// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "debug/DefaultsListing.h"
#include "debug/InMemoryLog.h"
#include "platform/MainQueue.h"
#include "shortcuts/RecorderCheck.h"

#include <QString>

#include <functional>
#include <vector>

namespace shortcuts {
class KeyboardShortcuts;
} // namespace shortcuts

namespace debug {

// What the debug window acts through, handed in by the application: its
// pages change nothing themselves.
struct DebugServices {
    QString title;
    std::shared_ptr<UserDefaults> standard;
    // The suites the "User Defaults" page lists, the standard one first.
    std::vector<ListedSuite> suites;
    InMemoryLog& log;
    platform::MainQueue& queue;
    // Puts text on the clipboard, marked as coming from this application.
    std::function<void(const QString&)> copyText;
    // Copies the debug information document.
    std::function<void()> copyDebugInfo;
    // Deletes all data and settings without asking.
    std::function<void()> deleteAllData;
    std::function<void()> relaunch;
    std::function<void()> showSettings;
    // For trying a global shortcut from the window; none leaves the
    // recorder out.
    shortcuts::KeyboardShortcuts* shortcuts = nullptr;
    std::function<bool(const shortcuts::Shortcut&)> isTakenBySystem;
    // The application's menu items with key equivalents, which the recorder
    // refuses to take.
    std::function<QList<shortcuts::MenuItemShortcut>()> menuItemShortcuts;
    // Whether the desktop has global shortcuts at all.
    std::function<bool()> hotKeysAvailable;
};

} // namespace debug
