// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/RuntimeDirLoginSession.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace platform::xdg {

bool RuntimeDirLoginSession::isFirstThisLogin(const QString& mark) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    // Without a runtime folder there is nowhere to remember: better told at
    // every start than never.
    if (runtime.isEmpty())
        return true;
    const QString folder = runtime + QLatin1Char('/') + applicationId_;
    if (!QDir().mkpath(folder))
        return true;
    // Made only when absent, so of two starts at once only one is first.
    QFile file(folder + QLatin1Char('/') + mark);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || !file.exists();
}

} // namespace platform::xdg
