// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "tools/defaults/DomainFiles.h"

#include "defaults/PreferencesFile.h"
#include "defaults/PropertyList.h"
#include "defaults/UserDefaults.h"
#include "tools/defaults/OwnKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tools {

namespace {

const QString plistSuffix = QStringLiteral(".plist");

int noSuchDomain(const QString& domain, QTextStream& err) {
    err << QStringLiteral("Domain %1 does not exist\n").arg(domain);
    return 1;
}

// At most what a preferences file may hold, and one byte more to tell that
// there was more.
std::optional<QByteArray> readBounded(QIODevice& source, QString* error) {
    QByteArray bytes = source.read(PreferencesFile::maximumSize + 1);
    if (bytes.size() > PreferencesFile::maximumSize) {
        *error = QStringLiteral("it is larger than %1 bytes").arg(PreferencesFile::maximumSize);
        return std::nullopt;
    }
    return bytes;
}

std::optional<QByteArray> readInput(const QString& file, QIODevice* in, QString* error) {
    if (file == QLatin1String("-")) {
        if (in)
            return readBounded(*in, error);
        return QByteArray();
    }
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = source.errorString();
        return std::nullopt;
    }
    return readBounded(source, error);
}

} // namespace

QStringList domainNames() {
    QStringList names;
    const QStringList files =
        QDir(UserDefaults::folder()).entryList({QLatin1Char('*') + plistSuffix}, QDir::Files);
    for (const QString& file : files)
        names << file.chopped(plistSuffix.size());
    return names;
}

bool domainExists(const QString& domain) {
    return QFileInfo::exists(UserDefaults::suite(domain)->filePath());
}

int exportDomain(const QString& domain, const QString& file, QTextStream& out, QTextStream& err) {
    if (!domainExists(domain))
        return noSuchDomain(domain, err);
    const QByteArray xml = PropertyList::toXml(UserDefaults::suite(domain)->persistentDomain());
    if (file == QLatin1String("-")) {
        out << QString::fromUtf8(xml);
        return 0;
    }
    QSaveFile target(file);
    if (!target.open(QIODevice::WriteOnly) || target.write(xml) != xml.size() || !target.commit()) {
        err << QStringLiteral("Could not export %1 to %2: %3\n")
                   .arg(domain, file, target.errorString());
        return 1;
    }
    return 0;
}

int importDomain(const QString& domain, const QString& file, QIODevice* in, QTextStream& err) {
    QString error;
    std::optional<QVariantMap> values;
    if (const auto bytes = readInput(file, in, &error))
        values = PropertyList::parse(*bytes, &error);
    if (!values) {
        err << QStringLiteral("Could not import %1: %2\n").arg(file, error);
        return 1;
    }
    warnAboutOwnKeys(domain, *values, err);
    // One write of the whole file, under the lock every writer takes, so that
    // a running Gapsel never sees the domain half imported.
    const auto suite = UserDefaults::suite(domain);
    {
        const PreferencesFile target(suite->filePath());
        const auto lock = target.lock();
        if (!target.write(*values, &error)) {
            err << QStringLiteral("Could not import into %1: %2\n").arg(domain, error);
            return 1;
        }
    }
    suite->synchronize();
    return 0;
}

int deleteDomain(const QString& domain, QTextStream& err) {
    if (!domainExists(domain))
        return noSuchDomain(domain, err);
    const auto suite = UserDefaults::suite(domain);
    {
        const PreferencesFile target(suite->filePath());
        const auto lock = target.lock();
        QFile file(target.path());
        if (!file.remove()) {
            err << QStringLiteral("Could not delete %1: %2\n").arg(domain, file.errorString());
            return 1;
        }
    }
    suite->synchronize();
    return 0;
}

} // namespace tools
