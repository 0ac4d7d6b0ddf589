// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/RelaunchOptions.h"

#include <QDateTime>
#include <QString>
#include <QUrl>

// Facts about the running application and what it can do to itself, for code
// anywhere in the program. All of them read the process's kit (JXKit::shared()),
// so they are available while the application shares it.
namespace JXApp {

QString id();
QString name();
QString version();
qint64 build();
QString versionWithBuild();
QUrl url();
bool isSandboxed();
bool isInstalledFromAppStore();

bool isFirstLaunch();
bool isSecondLaunch();
QDateTime firstLaunchDate();
QDateTime launchDate();
bool wasRelaunched();
bool isDebugMode();
bool wasLaunchedAtLogin();

bool runOnce(const QString& identifier);
void relaunch(kit::RelaunchOptions options = {});
void quit(bool force = false);
void showSettingsWindow();
void showAboutPanel();

} // namespace JXApp
