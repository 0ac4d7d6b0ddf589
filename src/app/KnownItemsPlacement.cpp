// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "app/KnownItemsPlacement.h"

#include "app/KnownItemsOrder.h"
#include "app/PlacementMenus.h"
#include "menubar/JXMenu.h"

#include <QCoreApplication>
#include <QSet>

namespace app {

void KnownItemsPlacement::addMenuItems(JXMenu& menu, const QString& id) {
    addMove(menu, QCoreApplication::translate("SeparatorPlacement", "Move Left"), id, -1);
    addMove(menu, QCoreApplication::translate("SeparatorPlacement", "Move Right"), id, 1);
    addPlaceAfter(menu, id);
}

// Offered disabled where there is nothing to step past, so that the menu
// keeps its shape.
void KnownItemsPlacement::addMove(JXMenu& menu, const QString& title, const QString& id, int step) {
    const std::optional<QStringList> known = context_.tray.knownItems(context_.host().xfcePlugin);
    addEntry(menu, title, known && stepped(*known, id, step), [this, id, step] {
        edit([this, id, step](const QStringList& list) { return stepped(list, id, step); });
    });
}

void KnownItemsPlacement::addPlaceAfter(JXMenu& menu, const QString& id) {
    addPlaceAfterSubmenu(menu, context_.otherItems(),
                         [this, id](JXMenu& submenu, const platform::TrayItemDescription& item) {
                             addEntry(submenu, placeAfterTitle(item), true, [this, id, item] {
                                 edit([id, anchor = item.id](const QStringList& list) {
                                     return placingKnownItemAfter(list, id, anchor);
                                 });
                             });
                         });
}

void KnownItemsPlacement::separatorAdded(const QString& source, const QString& added) {
    edit([source, added](const QStringList& known) {
        return placingKnownItemAfter(known, added, source);
    });
}

void KnownItemsPlacement::arrange(bool /*newRule*/) {
    edit([this](const QStringList& known) { return withSeparators(known); });
}

void KnownItemsPlacement::separatorRemoved(const QString& id) {
    edit([&id](QStringList known) -> std::optional<QStringList> {
        return known.removeAll(id) > 0 ? std::optional(known) : std::nullopt;
    });
}

void KnownItemsPlacement::edit(const Edit& edit) {
    const int plugin = context_.host().xfcePlugin;
    const std::optional<QStringList> known = context_.tray.knownItems(plugin);
    if (!known)
        return;
    const std::optional<QStringList> edited = edit(*known);
    if (edited && *edited != *known)
        context_.tray.setKnownItems(plugin, *edited);
}

// Items of programs that are not running are passed over; when the tray's
// items cannot be read, every entry counts as shown.
std::optional<QStringList> KnownItemsPlacement::stepped(const QStringList& known, const QString& id,
                                                        int step) const {
    QSet<QString> shown(context_.ids.begin(), context_.ids.end());
    const QList<platform::TrayItemDescription> others = context_.tray.otherItems();
    for (const auto& item : others)
        shown.insert(item.id);
    return steppingKnownItemPast(known, id, step, [&](const QString& entry) {
        return others.isEmpty() || shown.contains(entry);
    });
}

// Separators the panel does not know yet would each appear leftmost as it
// arrives, the last one first; listed beforehand they stand in list order,
// each after the separator before it.
std::optional<QStringList> KnownItemsPlacement::withSeparators(const QStringList& known) const {
    QStringList edited = known;
    QString previous;
    for (const QString& id : context_.ids) {
        if (!edited.contains(id))
            edited.insert(previous.isEmpty() ? 0 : edited.indexOf(previous) + 1, id);
        previous = id;
    }
    return edited;
}

} // namespace app
