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

// A pattern with a folder writes cores there; apport keeps its reports in
// /var/crash; a bare name writes them into the folder the crashed program
// ran in, which for Gapsel is the one it was started from.
QString SystemCrashReports::coreFolder(const QString& corePattern) {
    if (corePattern.startsWith(QLatin1Char('|')) && corePattern.contains(QLatin1String("apport")))
        return QStringLiteral("/var/crash");
    if (corePattern.startsWith(QLatin1Char('/')))
        return QFileInfo(corePattern).path();
    return QDir::currentPath();
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
        return {store, QFileInfo(coredumps).isDir() ? coredumps : QString()};
    return {store, coreFolder(pattern)};
}

} // namespace platform::xdg
