// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/ui/LaunchAtLoginToggle.h"

namespace kit {

LaunchAtLoginToggle::LaunchAtLoginToggle(JXApp::LaunchAtLoginObservable& launchAtLogin,
                                         platform::MainQueue& queue, QWidget* parent,
                                         const QString& title)
    : BoundSwitch(title,
                  {[&launchAtLogin] { return launchAtLogin.isEnabled(); },
                   [&launchAtLogin](bool enabled) { launchAtLogin.setEnabled(enabled); },
                   launchAtLogin.objectWillChange},
                  queue, parent) {}

void LaunchAtLoginToggle::showEvent(QShowEvent* event) {
    refresh();
    BoundSwitch::showEvent(event);
}

} // namespace kit
