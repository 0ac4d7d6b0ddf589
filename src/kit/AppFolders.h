// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/FileManager.h"

#include <QString>

#include <optional>

namespace kit {

// The application's own folders in the user's data and cache folders, named
// after the application. Each is worked out and made on first use; a folder
// that cannot be made is noted in the error log and used all the same, and
// where the desktop names no user folder the temporary folder stands in.
class AppFolders {
public:
    AppFolders(platform::FileManager& files, QString appName);

    const QString& applicationSupportDirectory();
    const QString& cachesDirectory();

private:
    QString make(platform::UserFolder kind) const;

    platform::FileManager& files_;
    QString appName_;
    std::optional<QString> applicationSupport_;
    std::optional<QString> caches_;
};

} // namespace kit
