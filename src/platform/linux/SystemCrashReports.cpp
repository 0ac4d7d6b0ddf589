// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/SystemCrashReports.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform::xdg {

CrashReportPlace SystemCrashReports::place() const {
    const QString coredumps = QStringLiteral("/var/lib/systemd/coredump");
    const QString folder = QFileInfo(coredumps).isDir() ? coredumps : QDir::currentPath();
    if (!QStandardPaths::findExecutable(QStringLiteral("coredumpctl")).isEmpty())
        return {CrashReportStore::Coredumpctl, folder};
    return {CrashReportStore::CoreFile, QDir::currentPath()};
}

} // namespace platform::xdg
