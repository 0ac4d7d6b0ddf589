// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/LifetimeAssociation.h"

namespace Defaults {

class LifetimeAssociation::Tracker final : public QObject {
public:
    Tracker(QObject* owner, std::function<void()> handler)
        : QObject(owner)
        , handler_(std::move(handler)) {}
    ~Tracker() override {
        dying_ = true;
        if (auto handler = std::move(handler_))
            handler();
    }
    bool dying() const { return dying_; }
    void disarm() { handler_ = nullptr; }

private:
    std::function<void()> handler_;
    bool dying_ = false;
};

LifetimeAssociation::LifetimeAssociation(QObject* owner, std::function<void()> onOwnerGone)
    : tracker_(new Tracker(owner, std::move(onOwnerGone))) {}

LifetimeAssociation::~LifetimeAssociation() {
    cancel();
}

void LifetimeAssociation::cancel() {
    // A tracker that is being destroyed is running the handler; it goes by itself.
    if (tracker_ && !tracker_->dying()) {
        tracker_->disarm();
        delete tracker_.data();
    }
}

} // namespace Defaults
