// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/FileManager.h"

namespace platform::xdg {

// The XDG base folders and the freedesktop.org Trash.
class XdgFileManager final : public FileManager {
public:
    std::optional<QString> userFolder(UserFolder kind) const override;
    // Qt 6.4 reports success yet moves the item into "files/" of the current
    // folder when $XDG_DATA_HOME does not exist. The home Trash's folder is
    // therefore made first, and an item that did not land inside a Trash is
    // put back where it was and reported as not trashed.
    std::optional<Error> moveToTrash(const QString& path) override;

    // Whether `path` lies in the files folder of a freedesktop.org Trash:
    // ".../Trash/files/", ".Trash-<uid>/files/" or ".Trash/<uid>/files/".
    static bool isInsideTrash(const QString& path);
};

} // namespace platform::xdg
