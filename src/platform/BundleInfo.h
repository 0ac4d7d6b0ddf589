// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace platform {

// Who the running application is and where it was started from. The identity
// is fixed when the program is built (one place: the top CMakeLists.txt); the
// location is the executable that this process runs.
struct BundleInfo {
    QString identifier;
    QString name;
    QString version;
    QString build;
    // Absolute path of the executable; starting it again starts the application.
    QString location;
    // Running confined by a sandbox.
    bool isSandboxed = false;
    // Installed from the store the application is published in.
    bool isInstalledFromStore = false;
    // How this copy was installed, in the words of a platform whose store is
    // not the App Store ("Flatpak from Flathub", "Snap", "none"). Reports
    // then name the application id and this instead of the bundle identifier
    // and whether the App Store installed it.
    std::optional<QString> packaging;

    // The identity compiled into this program, at the given location.
    static BundleInfo compiledIn(QString executablePath) {
        return BundleInfo{QStringLiteral(GAPSEL_BUNDLE_ID),
                          QStringLiteral(GAPSEL_BUNDLE_NAME),
                          QStringLiteral(GAPSEL_VERSION),
                          QString::number(GAPSEL_BUILD_NUMBER),
                          std::move(executablePath),
                          false,
                          false,
                          std::nullopt};
    }
};

} // namespace platform
