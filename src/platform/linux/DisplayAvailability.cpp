// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/DisplayAvailability.h"

#include <QFileInfo>
#include <QStringList>

namespace platform::xdg {

namespace {

bool waylandIsReachable(const std::function<QString(const char*)>& variable) {
    if (!variable("WAYLAND_DISPLAY").isEmpty() || !variable("WAYLAND_SOCKET").isEmpty())
        return true;
    const QString runtime = variable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/wayland-0"));
}

} // namespace

bool hasDisplay(const DisplayChoice& choice, const std::function<QString(const char*)>& variable) {
    QString platforms = choice.platform;
    if (platforms.isEmpty())
        platforms = variable("QT_QPA_PLATFORM");
    if (platforms.isEmpty())
        platforms = QStringLiteral("xcb;wayland");
    for (const QString& platform : platforms.split(u';', Qt::SkipEmptyParts)) {
        // A platform may carry options: "xcb:option=value".
        const QString name = platform.section(u':', 0, 0).trimmed();
        if (name == QStringLiteral("xcb")) {
            if (!choice.x11Display.isEmpty() || !variable("DISPLAY").isEmpty())
                return true;
        } else if (name.startsWith(QStringLiteral("wayland"))) {
            if (waylandIsReachable(variable))
                return true;
        } else {
            return true;
        }
    }
    return false;
}

} // namespace platform::xdg
