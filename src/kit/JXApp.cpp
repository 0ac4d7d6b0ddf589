// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/JXApp.h"

#include "kit/JXKit.h"

namespace JXApp {

QString id() {
    return JXKit::shared().identity().id();
}
QString name() {
    return JXKit::shared().identity().name();
}
QString version() {
    return JXKit::shared().identity().version();
}
qint64 build() {
    return JXKit::shared().identity().build();
}
QString versionWithBuild() {
    return JXKit::shared().identity().versionWithBuild();
}
QUrl url() {
    return JXKit::shared().identity().url();
}
bool isSandboxed() {
    return JXKit::shared().identity().isSandboxed();
}
bool isInstalledFromAppStore() {
    return JXKit::shared().identity().isInstalledFromAppStore();
}

bool isFirstLaunch() {
    return JXKit::shared().isFirstLaunch();
}
bool isSecondLaunch() {
    return JXKit::shared().isSecondLaunch();
}
QDateTime firstLaunchDate() {
    return JXKit::shared().firstLaunchDate();
}
QDateTime launchDate() {
    return JXKit::shared().launchDate();
}
bool wasRelaunched() {
    return JXKit::shared().wasRelaunched();
}
bool isDebugMode() {
    return JXKit::shared().isDebugMode();
}

bool runOnce(const QString& identifier) {
    return JXKit::shared().runOnce(identifier);
}
void relaunch(kit::RelaunchOptions options) {
    JXKit::shared().relaunch(options);
}
void quit(bool force) {
    JXKit::shared().quit(force);
}
void showSettingsWindow() {
    JXKit::shared().showSettingsWindow();
}

void showAboutPanel() {
    JXKit::shared().showAboutPanel();
}

bool wasLaunchedAtLogin() {
    return JXKit::shared().wasLaunchedAtLogin();
}

} // namespace JXApp
