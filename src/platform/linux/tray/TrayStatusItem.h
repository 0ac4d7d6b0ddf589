// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/StatusBar.h"
#include "platform/linux/tray/TitleIconCache.h"
#include "platform/linux/tray/TrayItemExport.h"
#include "platform/linux/tray/TrayItemRepresentation.h"
#include "platform/linux/tray/TrayStatusBarButton.h"
#include "platform/linux/tray/XEmbedDocking.h"
#include "platform/linux/tray/XEmbedIcon.h"

#include <QPoint>
#include <QPointer>

#include <functional>
#include <memory>

namespace platform::xdg {

// Shows a menu as a popup of the program's own at a point on the screen.
using MenuPopup = std::function<void(std::shared_ptr<Menu> menu, QPoint at)>;

// A status item shown in the tray as a StatusNotifierItem: the title becomes
// the icon (and the label, for hosts that do not draw labels) and is named in
// the item's Title and tool tip, the autosave name the item's Id (hosts keep
// an item's place and settings under it), the menu a dbusmenu, which also
// pops up where a host asks the item to open it. Where only an XEmbed tray
// runs, the same item docks there as an icon drawn at the tray's size, whose
// clicks pop the menu up. Releasing it takes the item out of the tray at once.
class TrayStatusItem final : public StatusItem, private XEmbedDockable {
public:
    // Takes over `itemExport`; `itemKind` starts the item's title;
    // `representation`: how the host gets to see it; `icons` is shared with
    // the other items of the tray, and so is `docking`.
    TrayStatusItem(TrayItemExport* itemExport, QString itemKind,
                   const TrayItemRepresentation& representation,
                   std::shared_ptr<TitleIconCache> icons, MenuPopup popup,
                   std::shared_ptr<XEmbedDocking> docking);
    ~TrayStatusItem() override;
    TrayStatusItem(const TrayStatusItem&) = delete;
    TrayStatusItem& operator=(const TrayStatusItem&) = delete;

    StatusBarButton& button() override { return button_; }
    void setMenu(std::shared_ptr<Menu> menu) override;
    // Hosts size their items themselves; the length the program asks for has
    // no effect on them.
    void setLength(double) override {}
    void setAutosaveName(const std::optional<QString>& name) override;

    // The well-known bus name the item is exported under, and the unique
    // name of its connection (empty while it has none).
    const QString& serviceName() const { return export_->serviceName(); }
    // The Id hosts know the item by (its autosave name).
    QString itemId() const { return export_->item().id(); }
    // The connection's own name, by which watchers list the item; empty
    // while it is not on the bus.
    QString uniqueName() const { return export_->uniqueName(); }

    // Hosts that sort items by category and title place this one by these.
    void setSortKey(const QString& category, const QString& title);
    // Leaves the tray and comes back under `serviceName`, as a new arrival
    // (in an XEmbed tray: docks anew, as its newest icon).
    void arriveAgain(const QString& serviceName);
    // Off the watcher's list until it arrives again.
    void holdBack();
    // Where an XEmbed tray shows the item; absent while it is not docked
    // there, or not yet taken in and mapped.
    std::optional<QRect> dockedAt() const;
    // The Title hosts know the item by.
    QString title() const { return itemTitle(); }

private:
    // Shows the button's current state to the hosts and has the menu rebuilt,
    // since what changed the item may change the menu too.
    void show();
    QString itemTitle() const;
    DBusImageList imageIcons();
    void clicked(QPoint at);
    void dock() override;
    void undock() override;
    // The button's picture at one height, for the XEmbed icon.
    QImage drawn(int height);

    QPointer<TrayItemExport> export_;
    QString itemKind_;
    bool sendsLabel_;
    QList<int> iconHeights_;
    MenuPopup popup_;
    std::shared_ptr<TitleIconCache> icons_;
    std::optional<QString> sortTitle_;
    std::shared_ptr<Menu> menu_;
    TrayStatusBarButton button_;
    // The button's image at the tray's heights, kept until the image or the
    // dimming changes.
    QImage drawnImage_;
    bool drawnDimmed_ = false;
    DBusImageList drawnImageIcons_;
    std::shared_ptr<XEmbedDocking> docking_;
    std::unique_ptr<XEmbedIcon> icon_;
};

} // namespace platform::xdg
