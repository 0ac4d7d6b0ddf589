// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayPlacement.h"

#include <QHash>
#include <QMap>

namespace platform::sim {

// The tray's other items and the hosts' placement settings as a test
// scripts them; records what was asked of it.
class SimTrayPlacement final : public TrayPlacement {
public:
    struct SortKey {
        QString category;
        QString title;
        friend bool operator==(const SortKey&, const SortKey&) = default;
    };

    QList<TrayItemDescription> otherItems() override { return items_; }
    QStringList arrivalOrder() override { return trayOrder; }
    void onItemsChanged(std::function<void()> changed) override { changed_ = std::move(changed); }
    std::optional<QStringList> knownItems(int plugin) override {
        if (!knownItems_.contains(plugin))
            return std::nullopt;
        return knownItems_.value(plugin);
    }
    bool setKnownItems(int plugin, const QStringList& ids) override {
        if (failWrites)
            return false;
        knownItems_.insert(plugin, ids);
        ++knownItemsWrites;
        return true;
    }
    void setSortKey(const QString& id, const QString& category, const QString& title) override {
        sortKeys.insert(id, SortKey{category, title});
    }
    // The tray scripted in `trayOrder` puts the newest item at its end.
    void arriveAgain(const QString& id) override {
        arrivals.append(id);
        held.removeAll(id);
        trayOrder.removeAll(id);
        trayOrder.append(id);
    }
    void holdBack(const QString& id) override {
        held.append(id);
        trayOrder.removeAll(id);
    }

    // Scripting: an item change tells the observer, as a real tray would.
    void setOtherItems(QList<TrayItemDescription> items) {
        items_ = std::move(items);
        if (changed_)
            changed_();
    }
    // What the panel holds (the panel itself may change it at any time).
    void setKnownItemsOf(int plugin, const QStringList& ids) { knownItems_.insert(plugin, ids); }

    // Inspection.
    QHash<QString, SortKey> sortKeys;
    QStringList arrivals;
    QStringList held;
    // Scripted and kept: what arrivalOrder() answers.
    QStringList trayOrder;
    int knownItemsWrites = 0;
    bool failWrites = false;

private:
    QList<TrayItemDescription> items_;
    QMap<int, QStringList> knownItems_;
    std::function<void()> changed_;
};

} // namespace platform::sim
