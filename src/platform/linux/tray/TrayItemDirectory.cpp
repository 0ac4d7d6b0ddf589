// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TrayItemDirectory.h"

#include "platform/linux/tray/TrayStatusItem.h"

namespace platform::xdg {

void TrayItemDirectory::add(const std::shared_ptr<TrayStatusItem>& item) {
    std::erase_if(items_, [](const auto& held) { return held.expired(); });
    items_.push_back(item);
}

std::vector<std::shared_ptr<TrayStatusItem>> TrayItemDirectory::live() {
    std::vector<std::shared_ptr<TrayStatusItem>> result;
    for (const auto& held : items_)
        if (auto item = held.lock())
            result.push_back(std::move(item));
    return result;
}

std::shared_ptr<TrayStatusItem> TrayItemDirectory::find(const QString& id) {
    for (auto& item : live())
        if (item->itemId() == id)
            return item;
    return nullptr;
}

QString TrayItemDirectory::idOfService(const QString& name) {
    for (const auto& item : live())
        if (item->serviceName() == name || item->uniqueName() == name)
            return item->itemId();
    return {};
}

QStringList TrayItemDirectory::serviceNames() {
    QStringList names;
    for (const auto& item : live())
        names << item->serviceName() << item->uniqueName();
    return names;
}

} // namespace platform::xdg
