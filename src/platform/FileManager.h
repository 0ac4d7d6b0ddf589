// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Error.h"

#include <QString>

#include <optional>

namespace platform {

// The user's folders for kinds of files.
enum class UserFolder {
    // Data a program keeps for the user ($XDG_DATA_HOME).
    ApplicationSupport,
    // Data a program can make again ($XDG_CACHE_HOME).
    Caches,
};

// The user's files as the desktop arranges them.
class FileManager {
public:
    virtual ~FileManager() = default;

    // The user's folder of this kind; none when the desktop cannot say.
    virtual std::optional<QString> userFolder(UserFolder kind) const = 0;
    // Moves a file or folder to the user's Trash, from where it can be
    // restored. On failure it stays where it was, and the error says why.
    virtual std::optional<Error> moveToTrash(const QString& path) = 0;
};

} // namespace platform
