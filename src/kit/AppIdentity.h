// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/BundleInfo.h"

#include <QString>
#include <QUrl>

#include <optional>

namespace kit {

// Who the running application is, read once from its bundle information. A
// bundle without an identifier or with a build that is not a number is a
// programming error and stops the program.
class AppIdentity {
public:
    explicit AppIdentity(const platform::BundleInfo& bundle);

    const QString& id() const { return id_; }
    const QString& name() const { return name_; }
    const QString& version() const { return version_; }
    qint64 build() const { return build_; }
    // "1.2.0 (42)".
    QString versionWithBuild() const;
    // The executable that starts the application.
    const QString& location() const { return location_; }
    QUrl url() const { return QUrl::fromLocalFile(location_); }
    // Running inside an application sandbox.
    bool isSandboxed() const { return isSandboxed_; }
    // Installed from the store the application is published in.
    bool isInstalledFromAppStore() const { return isInstalledFromAppStore_; }
    // How it was installed, where the platform's store is not the App Store.
    const std::optional<QString>& packaging() const { return packaging_; }

private:
    QString id_;
    QString name_;
    QString version_;
    qint64 build_ = 0;
    QString location_;
    bool isSandboxed_ = false;
    bool isInstalledFromAppStore_ = false;
    std::optional<QString> packaging_;
};

} // namespace kit
