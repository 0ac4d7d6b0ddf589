// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/StatusItemRegistry.h"

#include "platform/MainQueue.h"

#include <algorithm>

namespace menubar {

namespace {

using Entries = std::vector<std::weak_ptr<platform::StatusItem>>;

void sweep(Entries& entries, const std::weak_ptr<platform::StatusItem>& item) {
    std::erase_if(entries, [](const auto& entry) { return entry.expired(); });
    const auto stillThere = item.lock();
    if (!stillThere)
        return;
    const auto entry = std::find_if(entries.begin(), entries.end(), [&](const auto& candidate) {
        return candidate.lock() == stillThere;
    });
    if (entry != entries.end())
        entries.erase(entry);
}

} // namespace

StatusItemRegistry::StatusItemRegistry()
    : entries_(std::make_shared<Entries>())
    , menuOpenClose_(std::make_shared<std::function<void(bool)>>()) {}

void StatusItemRegistry::onMenuOpenClose(std::function<void(bool isOpen)> observer) {
    *menuOpenClose_ = std::move(observer);
}

std::function<void(bool isOpen)> StatusItemRegistry::menuOpenCloseNotifier() const {
    return [observer = std::weak_ptr(menuOpenClose_)](bool isOpen) {
        if (const auto alive = observer.lock(); alive && *alive)
            (*alive)(isOpen);
    };
}

void StatusItemRegistry::add(const std::weak_ptr<platform::StatusItem>& item) {
    entries_->push_back(item);
}

void StatusItemRegistry::removeLater(const std::weak_ptr<platform::StatusItem>& item,
                                     platform::MainQueue& queue) {
    queue.async([weakEntries = std::weak_ptr<Entries>(entries_), item] {
        if (const auto entries = weakEntries.lock())
            sweep(*entries, item);
    });
}

std::vector<std::shared_ptr<platform::StatusItem>> StatusItemRegistry::liveItems() const {
    std::vector<std::shared_ptr<platform::StatusItem>> live;
    for (const auto& entry : *entries_) {
        if (auto item = entry.lock())
            live.push_back(std::move(item));
    }
    return live;
}

} // namespace menubar
