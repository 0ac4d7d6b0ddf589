// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

namespace platform::xdg {

// How this process was installed and confined, as Linux tells it.
struct SandboxFacts {
    // Running confined: inside a Flatpak or a strictly confined Snap.
    bool isSandboxed = false;
    // Installed as a Flatpak from Flathub, the store Gapsel is published in.
    bool isInstalledFromStore = false;
    // How it was installed, as reports name it: "Flatpak from Flathub",
    // "Flatpak", "Snap" or "none".
    QString packaging;
};

// Reads the facts from the file system under `root` ("/" for the real one).
// Only what the sandbox itself sets up counts: Flatpak puts /.flatpak-info
// into every sandbox (its deployment, when visible, names the remote it came
// from), and a Snap's confinement is the AppArmor profile the kernel enforces
// on this process. Environment variables such as FLATPAK_ID or SNAP prove
// nothing: a program started from a sandboxed terminal inherits them.
SandboxFacts readSandboxFacts(const QString& root = QStringLiteral("/"));

} // namespace platform::xdg
