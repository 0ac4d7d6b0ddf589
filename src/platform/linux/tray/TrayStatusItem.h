// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/StatusBar.h"
#include "platform/linux/tray/TitleIconCache.h"
#include "platform/linux/tray/TrayItemExport.h"
#include "platform/linux/tray/TrayStatusBarButton.h"

#include <QPointer>

namespace platform::xdg {

// A status item shown in the tray as a StatusNotifierItem: the title becomes
// the label and the icon, the autosave name the item's Id (hosts keep an
// item's place and settings under it), the menu a dbusmenu. Releasing it takes
// the item out of the tray at once.
class TrayStatusItem final : public StatusItem {
public:
    // `serviceName` is the unique bus name for this item; `appName` starts the
    // item's title; `icons` is shared with the other items of the tray.
    TrayStatusItem(BusConnector connector, QString serviceName, QString appName,
                   std::shared_ptr<TitleIconCache> icons);
    ~TrayStatusItem() override;
    TrayStatusItem(const TrayStatusItem&) = delete;
    TrayStatusItem& operator=(const TrayStatusItem&) = delete;

    StatusBarButton& button() override { return button_; }
    void setMenu(std::shared_ptr<Menu> menu) override;
    // Hosts size their items themselves; the length the program asks for has
    // no effect on them.
    void setLength(double) override {}
    void setAutosaveName(const std::optional<QString>& name) override;

    // A host shows the item: the watcher took it and reports a host.
    bool isVisible() const { return export_->isVisible(); }
    // The well-known bus name the item is exported under.
    const QString& serviceName() const { return export_->serviceName(); }
    // The Id and the Title hosts know the item by.
    QString id() const { return autosaveName_.value_or(QString()); }
    QString title() const { return itemTitle(); }

private:
    // Shows the button's current state to the hosts and has the menu rebuilt,
    // since what changed the item may change the menu too.
    void show();
    QString itemTitle() const;
    DBusImageList imageIcons();

    QPointer<TrayItemExport> export_;
    QString appName_;
    std::shared_ptr<TitleIconCache> icons_;
    std::optional<QString> autosaveName_;
    std::shared_ptr<Menu> menu_;
    TrayStatusBarButton button_;
    // The button's image at the tray's heights, kept until the image or the
    // dimming changes.
    QImage drawnImage_;
    bool drawnDimmed_ = false;
    DBusImageList drawnImageIcons_;
};

} // namespace platform::xdg
