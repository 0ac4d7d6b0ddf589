// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Popover.h"

#include <memory>

namespace platform::xdg {

// The greeting this session can show: a window on X11, a notification on
// Wayland, where windows cannot be placed.
class DesktopPopover final : public Popover {
public:
    DesktopPopover();
    ~DesktopPopover() override;

    void show(StatusItem& item, const PopoverContent& content,
              std::function<void()> clicked) override {
        popover_->show(item, content, std::move(clicked));
    }
    void shake(double duration, double amount) override { popover_->shake(duration, amount); }
    void close() override { popover_->close(); }

private:
    std::unique_ptr<Popover> popover_;
};

} // namespace platform::xdg
