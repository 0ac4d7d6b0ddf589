// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

#include <optional>

namespace menubar {

// How the visibility check of a status item talks to the user.
struct VisibilityCheckOptions {
    // A paragraph of its own at the end of the alert's text.
    std::optional<QString> extraMessage;
    // A second button that opens the settings window.
    bool showsOpenSettingsButton = false;
    // The "Do not show this again" checkbox (not offered for a menu bar that
    // hides itself, whose warning is given only once anyway).
    bool showsSuppressionButton = false;
};

} // namespace menubar
