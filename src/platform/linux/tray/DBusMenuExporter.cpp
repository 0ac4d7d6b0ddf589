// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/DBusMenuExporter.h"

#include <QGuiApplication>
#include <QPointer>

namespace platform::xdg {

namespace {
std::shared_ptr<Menu> menuOfEntry(const MenuLayout::Entry& entry) {
    return entry.submenu.lock();
}
} // namespace

DBusMenuExporter::DBusMenuExporter(QObject* parent)
    : QObject(parent) {}

void DBusMenuExporter::setMenu(std::shared_ptr<Menu> menu) {
    if (menu == menu_)
        return;
    if (isOpen_ && menu_)
        close(MenuLayout::rootId);
    menu_ = std::move(menu);
    scheduleRebuild();
}

void DBusMenuExporter::scheduleRebuild() {
    if (rebuildScheduled_ || !hostHasAsked_)
        return;
    rebuildScheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            rebuildScheduled_ = false;
            askForUpdate(MenuLayout::rootId);
            rebuild();
        },
        Qt::QueuedConnection);
}

QString DBusMenuExporter::textDirection() const {
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl")
                                                                 : QStringLiteral("ltr");
}

void DBusMenuExporter::buildOnFirstRequest() {
    if (hostHasAsked_)
        return;
    hostHasAsked_ = true;
    askForUpdate(MenuLayout::rootId);
    layout_.update(menu_);
}

bool DBusMenuExporter::askForUpdate(int id) {
    if (id == MenuLayout::rootId) {
        if (menu_)
            menu_->menuNeedsUpdate();
        return true;
    }
    const MenuLayout::Entry* entry = layout_.entry(id);
    if (!entry)
        return false;
    if (const std::shared_ptr<Menu> menu = menuOfEntry(*entry))
        menu->menuNeedsUpdate();
    return true;
}

bool DBusMenuExporter::rebuild() {
    const MenuLayout::Changes changes = layout_.update(menu_);
    if (!changes.updated.isEmpty() || !changes.removed.isEmpty())
        Q_EMIT ItemsPropertiesUpdated(changes.updated, changes.removed);
    if (changes.layoutChanged)
        Q_EMIT LayoutUpdated(layout_.revision(), MenuLayout::rootId);
    return changes.layoutChanged;
}

void DBusMenuExporter::replyUnknownId(int id) {
    if (calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("The menu has no entry %1").arg(id));
}

uint DBusMenuExporter::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                                 DBusMenuLayoutItem& layout) {
    buildOnFirstRequest();
    if (!layout_.entry(parentId)) {
        replyUnknownId(parentId);
        return layout_.revision();
    }
    layout = layout_.layout(parentId, recursionDepth, propertyNames);
    return layout_.revision();
}

DBusMenuItemList DBusMenuExporter::GetGroupProperties(const QList<int>& ids,
                                                      const QStringList& propertyNames) {
    buildOnFirstRequest();
    DBusMenuItemList result;
    for (int id : ids)
        if (layout_.entry(id))
            result.append(DBusMenuItem{id, layout_.properties(id, propertyNames)});
    return result;
}

QDBusVariant DBusMenuExporter::GetProperty(int id, const QString& name) {
    buildOnFirstRequest();
    const QVariantMap properties = layout_.properties(id, {name});
    if (!properties.contains(name)) {
        if (calledFromDBus())
            sendErrorReply(
                QDBusError::InvalidArgs,
                QStringLiteral("The menu entry %1 has no property %2").arg(id).arg(name));
        return QDBusVariant(QString());
    }
    return QDBusVariant(properties.value(name));
}

void DBusMenuExporter::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
    buildOnFirstRequest();
    if (!handleEvent(id, eventId))
        replyUnknownId(id);
}

QList<int> DBusMenuExporter::EventGroup(const DBusMenuEventList& events) {
    buildOnFirstRequest();
    QList<int> idErrors;
    for (const DBusMenuEvent& event : events)
        if (!handleEvent(event.id, event.eventId))
            idErrors.append(event.id);
    return idErrors;
}

bool DBusMenuExporter::AboutToShow(int id) {
    // These make the menu afresh themselves.
    hostHasAsked_ = true;
    rootOpens(id);
    if (!askForUpdate(id)) {
        replyUnknownId(id);
        return false;
    }
    return rebuild();
}

QList<int> DBusMenuExporter::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    // These make the menu afresh themselves.
    hostHasAsked_ = true;
    QList<int> asked;
    for (int id : ids) {
        rootOpens(id);
        (askForUpdate(id) ? asked : idErrors).append(id);
    }
    return rebuild() ? asked : QList<int>{};
}

bool DBusMenuExporter::handleEvent(int id, const QString& eventId) {
    if (!layout_.entry(id))
        return false;
    if (eventId == QLatin1String("opened"))
        open(id);
    else if (eventId == QLatin1String("closed"))
        close(id);
    else if (eventId == QLatin1String("clicked"))
        choose(id);
    return true;
}

void DBusMenuExporter::rootOpens(int id) const {
    // The handler may replace itself while it runs.
    if (const std::function<void()> opening = id == MenuLayout::rootId ? rootOpening_ : nullptr)
        opening();
}

void DBusMenuExporter::open(int id) {
    rootOpens(id);
    if (id == MenuLayout::rootId) {
        if (isOpen_)
            return;
        isOpen_ = true;
    }
    if (const std::shared_ptr<Menu> menu = menuOfEntry(*layout_.entry(id)))
        menu->menuWillOpen();
}

void DBusMenuExporter::close(int id) {
    if (id == MenuLayout::rootId) {
        if (!isOpen_)
            return;
        isOpen_ = false;
    }
    if (const std::shared_ptr<Menu> menu = menuOfEntry(*layout_.entry(id)))
        menu->menuDidClose();
}

void DBusMenuExporter::choose(int id) {
    const std::shared_ptr<MenuItem> item = layout_.entry(id)->item.lock();
    if (!item || !item->isEnabled() || item->isSeparator() || item->submenu())
        return;
    // The item runs after the host has its answer and the menu has closed,
    // as it would after a click in a menu of the program's own.
    QMetaObject::invokeMethod(
        this,
        [this, item] {
            close(MenuLayout::rootId);
            const QPointer<DBusMenuExporter> self(this);
            item->perform();
            if (self)
                scheduleRebuild();
        },
        Qt::QueuedConnection);
}

} // namespace platform::xdg
