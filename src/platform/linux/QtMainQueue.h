// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/MainQueue.h"

#include <QObject>
#include <QPointer>

namespace platform::xdg {

// The main queue of a running Qt application: work is posted to the event loop
// of the thread that created this object.
class QtMainQueue final : public MainQueue {
public:
    QtMainQueue();
    ~QtMainQueue() override;

    void async(std::function<void()> work) override;
    void asyncAfter(double seconds, std::function<void()> work) override;
    QDateTime now() const override;

private:
    QObject* context_;
};

} // namespace platform::xdg
