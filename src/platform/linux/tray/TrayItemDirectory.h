// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace platform::xdg {

class TrayStatusItem;

// The tray items this program shows, found by the Id the tray knows them
// by. Holds them weakly: an item leaves the tray when its owner lets go.
class TrayItemDirectory {
public:
    void add(const std::shared_ptr<TrayStatusItem>& item);
    // The live item with Id `id`, if any.
    std::shared_ptr<TrayStatusItem> find(const QString& id);
    // The bus names of the live items: well-known and unique.
    QStringList serviceNames();
    // The Id of the live item known on the bus by `name`; empty when none is.
    QString idOfService(const QString& name);

private:
    std::vector<std::shared_ptr<TrayStatusItem>> live();

    std::vector<std::weak_ptr<TrayStatusItem>> items_;
};

} // namespace platform::xdg
