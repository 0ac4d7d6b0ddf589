// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/SystemCrashReports.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/resource.h>

namespace platform::xdg {

CrashReportStore SystemCrashReports::storeFor(bool hasCoredumpctl, const QString& corePattern,
                                              unsigned long long coreLimit) {
    const bool piped = corePattern.startsWith(QLatin1Char('|'));
    if (hasCoredumpctl && (piped || corePattern.isEmpty()))
        return CrashReportStore::Coredumpctl;
    if (!piped && coreLimit == 0)
        return CrashReportStore::Nothing;
    return CrashReportStore::CoreFile;
}

CrashReportPlace SystemCrashReports::place() const {
    QFile patternFile(QStringLiteral("/proc/sys/kernel/core_pattern"));
    const QString pattern = patternFile.open(QIODevice::ReadOnly)
                                ? QString::fromLocal8Bit(patternFile.readAll()).trimmed()
                                : QString();
    rlimit limit{};
    getrlimit(RLIMIT_CORE, &limit);
    const bool hasCoredumpctl =
        !QStandardPaths::findExecutable(QStringLiteral("coredumpctl")).isEmpty();
    const CrashReportStore store = storeFor(hasCoredumpctl, pattern, limit.rlim_cur);
    const QString coredumps = QStringLiteral("/var/lib/systemd/coredump");
    if (store == CrashReportStore::Coredumpctl)
        return {store, QFileInfo(coredumps).isDir() ? coredumps : QDir::currentPath()};
    return {store, QDir::currentPath()};
}

} // namespace platform::xdg
