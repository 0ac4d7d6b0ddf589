// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Signal.h"
#include "platform/Alerts.h"
#include "platform/LoginItems.h"
#include "platform/MainQueue.h"

namespace JXApp {

// Whether the application starts when the user logs in, as the desktop's
// login-item service says: asked afresh on every read, changed on every
// write. Views redraw on `objectWillChange`, which fires before each change.
class LaunchAtLoginObservable {
public:
    LaunchAtLoginObservable(platform::LoginItems& loginItems, platform::Alerts& alerts,
                            platform::MainQueue& queue);

    // On only when the service reports the item enabled. An item the user
    // switched off elsewhere reads off and is noted in the error log.
    bool isEnabled() const;
    // Turning it on while on registers again, which refreshes the entry. A
    // failure is logged and shown to the user; the next read shows the real
    // state.
    void setEnabled(bool enabled);

    Defaults::Signal<> objectWillChange;

private:
    platform::LoginItems& loginItems_;
    platform::Alerts& alerts_;
    platform::MainQueue& queue_;
};

} // namespace JXApp
