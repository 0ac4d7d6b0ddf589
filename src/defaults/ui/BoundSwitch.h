// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "defaults/Signal.h"
#include "platform/MainQueue.h"

#include <QCheckBox>

#include <functional>
#include <memory>

namespace Defaults {

// An on/off switch that shows a Boolean kept elsewhere and writes it when
// flipped. The source announces each change before it happens; the switch
// reads the value again on the next turn of the main queue, so it follows
// changes made anywhere, and runs its change action once per new value.
class BoundSwitch : public QCheckBox {
public:
    struct Source {
        std::function<bool()> read;
        std::function<void(bool)> write;
        Signal<>& willChange;
    };

    BoundSwitch(const QString& title, Source source, platform::MainQueue& queue,
                QWidget* parent = nullptr);
    ~BoundSwitch() override;

    // Runs `action` with the new value whenever the shown value changes.
    BoundSwitch& onChange(std::function<void(bool)> action);
    // Reads the source again now.
    void refresh();

private:
    void scheduleRefresh();

    Source source_;
    platform::MainQueue& queue_;
    Signal<>::ConnectionId connection_;
    std::function<void(bool)> onChange_;
    bool shown_;
    std::shared_ptr<BoundSwitch*> alive_;
};

} // namespace Defaults
