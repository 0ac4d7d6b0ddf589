// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/StatusBar.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform {
class MainQueue;
}

namespace menubar {

// The status items that coordinators created, in creation order, held
// weakly, so that a later step (the first-launch greeting) can find "the"
// status item. One registry per application, made where it is wired
// together and handed to every coordinator. Main thread only.
class StatusItemRegistry {
public:
    StatusItemRegistry();
    StatusItemRegistry(const StatusItemRegistry&) = delete;
    StatusItemRegistry& operator=(const StatusItemRegistry&) = delete;

    void add(const std::weak_ptr<platform::StatusItem>& item);
    // On a later turn of `queue`: drops the entries whose item is gone, then
    // the first entry of `item` if that item still exists. Until then an
    // entry of a gone item stays.
    void removeLater(const std::weak_ptr<platform::StatusItem>& item, platform::MainQueue& queue);

    const std::vector<std::weak_ptr<platform::StatusItem>>& entries() const { return *entries_; }
    // The entries whose item still exists, in order.
    std::vector<std::shared_ptr<platform::StatusItem>> liveItems() const;

    // Told whenever one of the items' menus opens or closes: the application
    // hands this on to its global shortcuts, which are matched differently
    // while a menu is open.
    void onMenuOpenClose(std::function<void(bool isOpen)> observer);
    // What a coordinator's menu calls as it opens and closes. A menu may
    // outlive the registry (the tray can hold it): then it tells no one.
    std::function<void(bool isOpen)> menuOpenCloseNotifier() const;

private:
    // Shared with the removals still queued, which must not outlive it.
    std::shared_ptr<std::vector<std::weak_ptr<platform::StatusItem>>> entries_;
    std::shared_ptr<std::function<void(bool)>> menuOpenClose_;
};

} // namespace menubar
