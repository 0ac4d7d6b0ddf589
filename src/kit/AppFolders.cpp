// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/AppFolders.h"

#include "kit/ErrorLog.h"

#include <QDir>
#include <QFileInfo>

namespace kit {

namespace {

QString kindName(platform::UserFolder kind) {
    return kind == platform::UserFolder::ApplicationSupport ? QStringLiteral("applicationSupport")
                                                            : QStringLiteral("caches");
}

} // namespace

AppFolders::AppFolders(platform::FileManager& files, QString appName)
    : files_(files)
    , appName_(std::move(appName)) {}

const QString& AppFolders::applicationSupportDirectory() {
    if (!applicationSupport_)
        applicationSupport_ = make(platform::UserFolder::ApplicationSupport);
    return *applicationSupport_;
}

const QString& AppFolders::cachesDirectory() {
    if (!caches_)
        caches_ = make(platform::UserFolder::Caches);
    return *caches_;
}

QString AppFolders::make(platform::UserFolder kind) const {
    QString base = files_.userFolder(kind).value_or(QString());
    if (base.isEmpty()) {
        logError(platform::Error::failure(QStringLiteral("Could not get system directory: ") +
                                          kindName(kind)));
        base = QDir::tempPath();
    }
    // Symbolic links are resolved, so the folder is named the same way
    // whichever link led to it.
    const QString canonical = QFileInfo(base).canonicalFilePath();
    const QString folder = (canonical.isEmpty() ? base : canonical) + QLatin1Char('/') + appName_;
    if (!QDir().mkpath(folder))
        logError(platform::Error::failure(QStringLiteral("Could not create the folder ") + folder),
                 {{QStringLiteral("kind"), kindName(kind)}});
    return folder;
}

} // namespace kit
