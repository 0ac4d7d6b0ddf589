// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "app/NoTrayNotice.h"
#include "app/PostLaunchStep.h"
#include "app/SaveFailureAlerts.h"
#include "app/SeparatorsView.h"
#include "kit/Metadata.h"
#include "kit/PendingServices.h"
#include "menubar/FirstLaunchServices.h"
#include "menubar/StatusItemRegistry.h"
#include "platform/Platform.h"
#include "platform/Store.h"
#include "shortcuts/KeyboardShortcuts.h"
#include "shortcuts/MenuOpenFlag.h"

#include <memory>

class JXKit;

// The application as a whole, and the one place where it is wired together:
// the process-wide objects (the user's standard preferences domain, the kit,
// the registry of status items, the separators' keys) are made or fetched
// here and handed to the parts that use them. Brings the kit up first (its
// creation is the launch bookkeeping), then queues the application's own
// post-launch step, which therefore runs after the kit's start-up work, and
// shows the separators, whose status items thus exist when that step runs.
class AppMain {
public:
    explicit AppMain(platform::Platform platform);
    AppMain(const AppMain&) = delete;
    AppMain& operator=(const AppMain&) = delete;

    JXKit& jxkit() const { return jxkit_; }
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
    std::shared_ptr<UserDefaults> defaults_;
    JXKit& jxkit_;
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
