// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "app/NoTrayNotice.h"
#include "app/PostLaunchStep.h"
#include "app/SaveFailureAlerts.h"
#include "app/SeparatorsView.h"
#include "debug/InMemoryLog.h"
#include "defaults/SuiteRegistry.h"
#include "keys/GapselKeys.h"
#include "kit/JXKit.h"
#include "kit/Metadata.h"
#include "kit/PendingServices.h"
#include "menubar/FirstLaunchServices.h"
#include "menubar/StatusItemRegistry.h"
#include "platform/Platform.h"
#include "platform/Store.h"
#include "shortcuts/KeyboardShortcuts.h"
#include "shortcuts/MenuOpenFlag.h"

#include <memory>

// The application as a whole, and the one place where it is wired together:
// the process-wide objects (the preferences domains, the kit, the registry of
// status items, the separators' keys) are made here, with the in-memory log
// that main() made before anything could log, and handed to the parts that
// use them. The kit is shared for the JXApp façade while the application
// lives. Brings the kit up first (its creation is the launch bookkeeping),
// then queues the application's own post-launch step, which therefore runs
// after the kit's start-up work, and shows the separators, whose status items
// thus exist when that step runs.
class AppMain {
public:
    AppMain(platform::Platform platform, debug::InMemoryLog& log);
    ~AppMain();
    AppMain(const AppMain&) = delete;
    AppMain& operator=(const AppMain&) = delete;

    JXKit& jxkit() { return jxkit_; }
    debug::InMemoryLog& log() { return log_; }
    const std::shared_ptr<UserDefaults>& defaults() const { return defaults_; }
    const keys::SeparatorKeys& separatorKeys() const { return separatorKeys_; }
    kit::PendingServices& pendingServices() { return pendingServices_; }
    // Gapsel registers no global shortcut of its own; its menus keep the
    // service informed, and the debug window tries shortcuts through it.
    shortcuts::KeyboardShortcuts& keyboardShortcuts() { return keyboardShortcuts_; }
    // A separator's menu as it would open now (see SeparatorsView::menuSample).
    std::shared_ptr<JXMenu> separatorMenu() const { return separators_->menuSample(); }

    // What Gapsel tells the kit about itself: its website and its identifier
    // in the desktop's store.
    static kit::Metadata metadata(const platform::Store& store);

private:
    debug::InMemoryLog& log_;
    Defaults::SuiteRegistry suites_;
    std::shared_ptr<UserDefaults> defaults_;
    keys::SeparatorKeys separatorKeys_;
    JXKit jxkit_;
    app::SaveFailureAlerts saveFailureAlerts_;
    kit::PendingServices pendingServices_;
    menubar::StatusItemRegistry statusItems_;
    menubar::StatusItemFirstLaunch firstLaunch_;
    app::PostLaunchStep postLaunchStep_;
    app::SeparatorPlacement placement_;
    shortcuts::MenuOpenFlag menuOpen_;
    shortcuts::KeyboardShortcuts keyboardShortcuts_;
    std::unique_ptr<app::SeparatorsView> separators_;
    app::NoTrayNotice noTrayNotice_;
};
