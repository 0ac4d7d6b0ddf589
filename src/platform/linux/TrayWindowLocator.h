// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QRect>
#include <QString>

#include <optional>

namespace platform::xdg {

// Where on an X11 screen a tray host draws, learned from the windows there: a
// tray plugin that runs in a process of its own (XFCE's panel-N-systray)
// draws into a window of its own inside the panel, which names that process
// (_NET_WM_PID). Hosts that draw inside a bigger window of theirs tell
// nothing this way.
class TrayWindowLocator {
public:
    // The smallest viewable window, in screen coordinates, of a process whose
    // name is `process` (as /proc/PID/comm gives it), less than half the
    // screen wide and high; none where there is no X11 connection or no such
    // window.
    static std::optional<QRect> windowOf(const QString& process);
};

} // namespace platform::xdg
