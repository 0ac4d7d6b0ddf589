// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/DeviceFacts.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

namespace kit {

// Everything the debug information says about the running application and
// its machine, gathered at one moment. The texts below are made from it
// alone, so they can be checked without the machine they describe.
struct DebugReport {
    QString appName;
    QString versionWithBuild;
    QString bundleIdentifier;
    qint64 launchCount = 0;
    qint64 runningSeconds = 0;
    bool isInstalledFromAppStore = false;
    // Set where the platform's store is not the App Store (see BundleInfo).
    std::optional<QString> packaging;
    platform::DeviceDescription device;
    // The tray hosts showing the items, described for people.
    QString trayHosts;
    // The stored preferences as "key" and value text, in key order.
    QList<QPair<QString, QString>> settings;
    QStringList logLines;
};

// The debug-information document: the application, the device, the stored
// settings, and the recent log lines in a fenced block.
QString debugInfoText(const DebugReport& report);

// The short "Key: value" summary that goes with feedback, a line each.
QString debugMetadataText(const DebugReport& report);

} // namespace kit
