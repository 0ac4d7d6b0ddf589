// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "ProcessSample.h"

#include <QDir>
#include <QFile>
#include <QHash>

namespace {

// The "Name:   value ..." lines of a /proc file, as numbers by name.
QHash<QByteArray, qint64> fields(const QString& path) {
    QHash<QByteArray, qint64> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            values.insert(line.left(colon),
                          line.mid(colon + 1).trimmed().split(' ').value(0).toLongLong());
    }
    return values;
}

} // namespace

ProcessSample ProcessSample::of(qint64 pid) {
    const QString process = QStringLiteral("/proc/%1").arg(pid);
    const auto memory = fields(process + QStringLiteral("/smaps_rollup"));
    ProcessSample sample;
    sample.residentKiB = memory.value("Rss");
    sample.proportionalKiB = memory.value("Pss");
    sample.privateDirtyKiB = memory.value("Private_Dirty");
    sample.uniqueKiB = memory.value("Private_Clean") + sample.privateDirtyKiB;
    sample.openFiles =
        QDir(process + QStringLiteral("/fd")).entryList(QDir::Files | QDir::System).size();
    const QDir tasks(process + QStringLiteral("/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        sample.wakeUps += fields(tasks.filePath(task) + QStringLiteral("/status"))
                              .value("voluntary_ctxt_switches");
    return sample;
}
