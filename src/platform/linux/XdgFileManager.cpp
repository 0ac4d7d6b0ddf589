// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/XdgFileManager.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace platform::xdg {

std::optional<QString> XdgFileManager::userFolder(UserFolder kind) const {
    const auto location = kind == UserFolder::ApplicationSupport
                              ? QStandardPaths::GenericDataLocation
                              : QStandardPaths::GenericCacheLocation;
    const QString folder = QStandardPaths::writableLocation(location);
    return folder.isEmpty() ? std::nullopt : std::optional(folder);
}

bool XdgFileManager::isInsideTrash(const QString& path) {
    static const QRegularExpression trashFiles(
        QStringLiteral("/(Trash|\\.Trash-\\d+|\\.Trash/\\d+)/files/[^/]+$"));
    return trashFiles.match(QDir::cleanPath(path)).hasMatch();
}

std::optional<Error> XdgFileManager::moveToTrash(const QString& path) {
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataHome.isEmpty())
        QDir().mkpath(dataHome);
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash))
        return Error::failure(QStringLiteral("Could not move %1 to the Trash").arg(path));
    if (isInsideTrash(inTrash))
        return std::nullopt;
    const bool restored = QDir().rename(inTrash, path);
    return Error::failure(QStringLiteral("Moving %1 to the Trash put it at %2 instead%3")
                              .arg(path, inTrash,
                                   restored ? QStringLiteral("; moved back")
                                            : QStringLiteral("; it could not be moved back")));
}

} // namespace platform::xdg
