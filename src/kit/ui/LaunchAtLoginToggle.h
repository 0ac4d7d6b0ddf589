// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/ui/BoundSwitch.h"
#include "kit/LaunchAtLogin.h"

#include <QCoreApplication>

namespace kit {

// The "Launch at login" switch: shows and changes the login-item registration.
class LaunchAtLoginToggle : public Defaults::BoundSwitch {
public:
    LaunchAtLoginToggle(JXApp::LaunchAtLoginObservable& launchAtLogin, platform::MainQueue& queue,
                        QWidget* parent = nullptr,
                        const QString& title = QCoreApplication::translate("LaunchAtLoginToggle",
                                                                           "Launch at login"));

protected:
    // The registration can change outside the application; look again
    // whenever the switch comes into view.
    void showEvent(QShowEvent* event) override;
};

} // namespace kit
