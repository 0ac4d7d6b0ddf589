// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/FileManager.h"

#include <QMap>
#include <QSet>
#include <QStandardPaths>
#include <QStringList>

namespace platform::sim {

// The user's folders where the test process keeps them (its own XDG
// folders), and a Trash that only records what was put in it.
class SimFileManager final : public FileManager {
public:
    std::optional<QString> userFolder(UserFolder kind) const override {
        return folders.value(kind);
    }
    std::optional<Error> moveToTrash(const QString& path) override {
        if (untrashable.contains(path))
            return Error::failure(QStringLiteral("Cannot move %1 to the Trash").arg(path));
        trashed.append(path);
        return std::nullopt;
    }

    QMap<UserFolder, std::optional<QString>> folders{
        {UserFolder::ApplicationSupport,
         QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)},
        {UserFolder::Caches,
         QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)},
    };
    QSet<QString> untrashable;
    QStringList trashed;
};

} // namespace platform::sim
