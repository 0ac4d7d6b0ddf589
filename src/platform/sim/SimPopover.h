// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Popover.h"

#include <QList>

namespace platform::sim {

// A popover that records what it shows and is clicked from a test.
class SimPopover final : public Popover {
public:
    struct Shake {
        double duration;
        double amount;
    };

    void show(StatusItem& item, const PopoverContent& content,
              std::function<void()> clicked) override {
        anchor_ = &item;
        content_ = content;
        clicked_ = std::move(clicked);
        isShown_ = true;
        ++showCount_;
    }
    void shake(double duration, double amount) override { shakes_.append({duration, amount}); }
    void close() override {
        isShown_ = false;
        clicked_ = {};
    }

    // The user clicks the bubble shown; nothing when none is.
    void click() {
        // Closing the bubble from its own click drops the handler that runs.
        if (const std::function<void()> clicked = isShown_ ? clicked_ : nullptr)
            clicked();
    }

    bool isShown() const { return isShown_; }
    int showCount() const { return showCount_; }
    StatusItem* anchor() const { return anchor_; }
    const PopoverContent& content() const { return content_; }
    const QList<Shake>& shakes() const { return shakes_; }

private:
    bool isShown_ = false;
    int showCount_ = 0;
    StatusItem* anchor_ = nullptr;
    PopoverContent content_;
    std::function<void()> clicked_;
    QList<Shake> shakes_;
};

} // namespace platform::sim
