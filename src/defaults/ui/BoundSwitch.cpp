// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "defaults/ui/BoundSwitch.h"

namespace Defaults {

BoundSwitch::BoundSwitch(const QString& title, Source source, platform::MainQueue& queue,
                         QWidget* parent)
    : QCheckBox(title, parent)
    , source_(std::move(source))
    , queue_(queue)
    , shown_(source_.read())
    , alive_(std::make_shared<BoundSwitch*>(this)) {
    setChecked(shown_);
    connection_ = source_.willChange.connect([this] { scheduleRefresh(); });
    connect(this, &QCheckBox::clicked, this, [this](bool checked) { source_.write(checked); });
}

BoundSwitch::~BoundSwitch() {
    source_.willChange.disconnect(connection_);
}

BoundSwitch& BoundSwitch::onChange(std::function<void(bool)> action) {
    onChange_ = std::move(action);
    return *this;
}

void BoundSwitch::scheduleRefresh() {
    queue_.async([weak = std::weak_ptr<BoundSwitch*>(alive_)] {
        if (auto self = weak.lock())
            (*self)->refresh();
    });
}

void BoundSwitch::refresh() {
    const bool value = source_.read();
    // The box may show a click that the source refused; show the source.
    setChecked(value);
    if (value == shown_)
        return;
    shown_ = value;
    if (onChange_)
        onChange_(value);
}

} // namespace Defaults
