// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "app/NoTrayNotice.h"
#include "app/PostLaunchStep.h"
#include "app/SeparatorsView.h"
#include "kit/Metadata.h"
#include "kit/PendingServices.h"
#include "menubar/FirstLaunchServices.h"
#include "platform/Platform.h"

#include <memory>

class JXKit;

// The application as a whole: brings the kit up first (its creation is the
// launch bookkeeping), then queues the application's own post-launch step,
// which therefore runs after the kit's start-up work, and shows the
// separators, whose status items thus exist when that step runs.
class AppMain {
public:
    explicit AppMain(platform::Platform platform);
    AppMain(const AppMain&) = delete;
    AppMain& operator=(const AppMain&) = delete;

    JXKit& jxkit() const { return jxkit_; }

    // What Gapsel tells the kit about itself: its website and store identifier.
    static kit::Metadata metadata();

private:
    JXKit& jxkit_;
    kit::PendingServices pendingServices_;
    menubar::StatusItemFirstLaunch firstLaunch_;
    app::PostLaunchStep postLaunchStep_;
    std::unique_ptr<app::SeparatorsView> separators_;
    app::NoTrayNotice noTrayNotice_;
};
