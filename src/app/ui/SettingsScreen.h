// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Key.h"
#include "kit/LaunchAtLogin.h"

#include <QWidget>

namespace app {

// The settings window: "Launch at login" and "Reduced opacity", in that order,
// in a small window that floats above ordinary windows.
class SettingsScreen : public QWidget {
public:
    static constexpr QSize size{300, 200};

    SettingsScreen(JXApp::LaunchAtLoginObservable& launchAtLogin,
                   const Defaults::Key<bool>& reducedOpacity, platform::MainQueue& queue,
                   QWidget* parent = nullptr);
};

} // namespace app
