// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <functional>

namespace platform {

// Where one of the application's windows (settings, About, share) is opened from. The
// user-interface layer installs the code that opens the window or brings it to
// the front; until it does, asking to open it does nothing, as in a run
// without windows.
class WindowOpener {
public:
    void installOpener(std::function<void()> opener) { opener_ = std::move(opener); }
    void open() const {
        if (opener_)
            opener_();
    }

private:
    std::function<void()> opener_;
};

} // namespace platform
