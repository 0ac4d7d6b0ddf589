// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "ProcessSample.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {
qint64 field(const QString& statusPath, const QString& name) {
    QFile file(statusPath);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpression line(QStringLiteral("^%1:\\s+(\\d+)").arg(name),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromLatin1(file.readAll())).captured(1).toLongLong();
}
} // namespace

ProcessSample ProcessSample::of(qint64 pid) {
    const QString process = QStringLiteral("/proc/%1").arg(pid);
    ProcessSample sample;
    sample.residentKiB = field(process + QStringLiteral("/status"), QStringLiteral("VmRSS"));
    sample.openFiles =
        QDir(process + QStringLiteral("/fd")).entryList(QDir::Files | QDir::System).size();
    const QDir tasks(process + QStringLiteral("/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        sample.wakeUps += field(tasks.filePath(task) + QStringLiteral("/status"),
                                QStringLiteral("voluntary_ctxt_switches"));
    return sample;
}
