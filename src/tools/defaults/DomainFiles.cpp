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
    QByteArray bytes = source.read(Defaults::PreferencesFile::maximumSize + 1);
    if (bytes.size() > Defaults::PreferencesFile::maximumSize) {
        *error = QStringLiteral("it is larger than %1 bytes")
                     .arg(Defaults::PreferencesFile::maximumSize);
        return std::nullopt;
    }
    return bytes;
}

// The values of a property list in `file`, refused as the app refuses its
// own file: anything but a regular file, or more than it reads; from `in`
// for "-".
std::optional<QVariantMap> importedValues(const QString& file, QIODevice* in, QString* error) {
    using Kind = Defaults::PreferencesFile::Contents::Kind;
    if (file == QLatin1String("-")) {
        const auto bytes = in ? readBounded(*in, error) : QByteArray();
        return bytes ? Defaults::parsePropertyList(*bytes, error) : std::nullopt;
    }
    Defaults::PreferencesFile::Contents contents = Defaults::PreferencesFile::contentsOf(file);
    switch (contents.kind) {
    case Kind::Parsed:
        return std::move(contents.values);
    case Kind::Missing:
        *error = QStringLiteral("there is no such file");
        return std::nullopt;
    case Kind::Empty:
        *error = QStringLiteral("the file is empty");
        return std::nullopt;
    default:
        *error = contents.problem;
        return std::nullopt;
    }
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
    return QFileInfo::exists(UserDefaults::suitePath(domain));
}

std::optional<QVariantMap> storedDomain(const QString& domain, QTextStream& err) {
    using Kind = Defaults::PreferencesFile::Contents::Kind;
    const QString path = UserDefaults::suitePath(domain);
    Defaults::PreferencesFile::Contents contents = Defaults::PreferencesFile::contentsOf(path);
    switch (contents.kind) {
    case Kind::Missing:
        noSuchDomain(domain, err);
        return std::nullopt;
    case Kind::Empty:
        return QVariantMap();
    case Kind::Parsed:
        return std::move(contents.values);
    case Kind::Unparsable:
        err << QStringLiteral("Domain %1 is corrupt: %2 cannot be parsed (%3)\n")
                   .arg(domain, path, contents.problem);
        return std::nullopt;
    default:
        err << QStringLiteral("Domain %1 cannot be read from %2: %3\n")
                   .arg(domain, path, contents.problem);
        return std::nullopt;
    }
}

int exportDomain(const QString& domain, const QString& file, QTextStream& out, QTextStream& err) {
    const auto stored = storedDomain(domain, err);
    if (!stored)
        return 1;
    const QByteArray xml = Defaults::propertyListXml(*stored);
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
    const std::optional<QVariantMap> values = importedValues(file, in, &error);
    if (!values) {
        err << QStringLiteral("Could not import %1: %2\n").arg(file, error);
        return 1;
    }
    const auto suite = UserDefaults::openSuite(domain);
    warnAboutOwnKeys(suite, *values, err);
    // One write of the whole file, under the lock every writer takes, so that
    // a running Gapsel never sees the domain half imported.
    const Defaults::PreferencesFile target(suite->filePath());
    const auto lock = target.lock();
    if (!target.write(*values, &error)) {
        err << QStringLiteral("Could not import into %1: %2\n").arg(domain, error);
        return 1;
    }
    return 0;
}

// The file goes as it is, readable or not: the domain is not opened, as
// opening it would move a file it cannot read aside.
int deleteDomain(const QString& domain, QTextStream& err) {
    if (!domainExists(domain))
        return noSuchDomain(domain, err);
    const Defaults::PreferencesFile target(UserDefaults::suitePath(domain));
    const auto lock = target.lock();
    QFile file(target.path());
    if (!file.remove()) {
        err << QStringLiteral("Could not delete %1: %2\n").arg(domain, file.errorString());
        return 1;
    }
    return 0;
}

} // namespace tools
