// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace platform {

// Another program's item in the tray, as it describes itself.
struct TrayItemDescription {
    QString id;
    QString title;
    // ApplicationStatus, Communications, SystemServices or Hardware.
    QString category;

    friend bool operator==(const TrayItemDescription&, const TrayItemDescription&) = default;
};

// What placing our status items needs of the desktop: no tray host lets the
// user drag items, so each is placed by the means its host really offers.
class TrayPlacement {
public:
    virtual ~TrayPlacement() = default;

    // The items of other programs that the tray collects now, in the order
    // they registered; items that do not answer are left out.
    virtual QList<TrayItemDescription> otherItems() = 0;
    // The Ids of all items the tray collects now, ours among them, in the
    // order they registered.
    virtual QStringList arrivalOrder() = 0;
    // `changed` runs (on the main queue) when an item came or went or changed
    // its title. Replaces any earlier one.
    virtual void onItemsChanged(std::function<void()> changed) = 0;

    // XFCE's status tray number `plugin` shows known items in the order of
    // this list of Ids; absent when it cannot be read.
    virtual std::optional<QStringList> knownItems(int plugin) = 0;
    // Replaces that list; false when the write failed.
    virtual bool setKnownItems(int plugin, const QStringList& ids) = 0;

    // Hosts that sort items order our item `id` by this category and title.
    virtual void setSortKey(const QString& id, const QString& category, const QString& title) = 0;
    // Our item `id` leaves the tray and arrives anew, under a bus name not
    // used before, so that hosts ordering by arrival put it at their newest end.
    virtual void arriveAgain(const QString& id) = 0;
    // Our item `id` leaves the tray, or does not come to it, until it is
    // told to arrive again.
    virtual void holdBack(const QString& id) = 0;
};

} // namespace platform
