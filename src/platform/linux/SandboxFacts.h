// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

namespace platform::xdg {

// How this process was installed and confined, as Linux tells it.
struct SandboxFacts {
    // Running confined: inside a Flatpak or a Snap.
    bool isSandboxed = false;
    // Installed as a Flatpak from Flathub, the store Gapsel is published in.
    bool isInstalledFromStore = false;
};

// Reads the facts from the file system under `root` ("/" for the real one)
// and the environment variables that `isSet` finds (this process's by
// default). Flatpak puts /.flatpak-info into every sandbox; its deployment,
// when visible, names the remote it came from.
SandboxFacts readSandboxFacts(
    const QString& root = QStringLiteral("/"),
    const std::function<bool(const char*)>& isSet = [](const char* name) {
        return qEnvironmentVariableIsSet(name);
    });

} // namespace platform::xdg
