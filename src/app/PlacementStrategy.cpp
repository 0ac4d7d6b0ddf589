// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/PlacementStrategy.h"

#include "menubar/JXMenu.h"
#include "platform/MainQueue.h"

namespace app {

QList<platform::TrayItemDescription> PlacementContext::otherItems() const {
    QList<platform::TrayItemDescription> others = tray.otherItems();
    others.removeIf(
        [this](const platform::TrayItemDescription& item) { return ids.contains(item.id); });
    return others;
}

void PlacementStrategy::addEntry(JXMenu& menu, const QString& title, bool enabled,
                                 std::function<void()> action) {
    menu.addCallbackItem(title, {.isEnabled = enabled},
                         [alive = std::weak_ptr<bool>(alive_), action = std::move(action)] {
                             if (alive.lock())
                                 action();
                         });
}

void PlacementStrategy::later(std::function<void()> work) {
    context_.queue.async([alive = std::weak_ptr<bool>(alive_), work = std::move(work)] {
        if (alive.lock())
            work();
    });
}

void PlacementStrategy::setAnchor(const QString& id,
                                  const std::optional<keys::PlacementAnchor>& anchor) {
    QMap<QString, keys::PlacementAnchor> anchors = Defaults::get(context_.keys.separatorPlacements);
    const QMap<QString, keys::PlacementAnchor> stored = anchors;
    if (anchor)
        anchors.insert(id, *anchor);
    else
        anchors.remove(id);
    if (anchors != stored)
        Defaults::set(context_.keys.separatorPlacements, anchors);
}

void PlacementStrategy::after(double seconds, std::function<void()> work) {
    context_.queue.asyncAfter(seconds,
                              [alive = std::weak_ptr<bool>(alive_), work = std::move(work)] {
                                  if (alive.lock())
                                      work();
                              });
}

} // namespace app
