// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

#include <functional>

namespace platform::xdg {

// What the command line told Qt about the display, if anything.
struct DisplayChoice {
    QString platform;   // -platform: a list of Qt platforms, tried in turn
    QString x11Display; // -display
};

// Whether Qt will find a display to connect to, so that a start without one
// can say so in a line instead of Qt's abort. The platforms tried are those
// of `choice`, else of QT_QPA_PLATFORM, else X11 and Wayland; X11 needs
// DISPLAY (or -display), Wayland WAYLAND_DISPLAY, WAYLAND_SOCKET or its
// default socket; any other platform (offscreen, a frame buffer) brings
// its own. `variable` reads the environment (this process's by default).
bool hasDisplay(
    const DisplayChoice& choice, const std::function<QString(const char*)>& variable =
                                     [](const char* name) { return qEnvironmentVariable(name); });

} // namespace platform::xdg
