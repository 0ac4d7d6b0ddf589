#pragma once

#include <functional>

namespace platform {

// Where the settings window is opened from. The application installs the code
// that opens its window (or brings it to the front); until it does, asking to
// open it does nothing.
class SettingsWindow {
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
