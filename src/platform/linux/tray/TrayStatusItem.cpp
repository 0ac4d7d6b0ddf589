// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TrayStatusItem.h"

#include "platform/linux/tray/TitleIcon.h"

namespace platform::xdg {

namespace {
QList<QImage> scaledToHeights(const QImage& image, bool dimmed) {
    QList<QImage> images;
    for (int height : TitleIcon::heights()) {
        const QImage scaled = image.scaledToHeight(height, Qt::SmoothTransformation);
        images.append(dimmed ? TitleIcon::dimmed(scaled) : scaled);
    }
    return images;
}

DBusImageList toDBusImages(const QList<QImage>& images) {
    DBusImageList result;
    for (const QImage& image : images)
        result.append(toDBusImage(image));
    return result;
}
} // namespace

TrayStatusItem::TrayStatusItem(BusConnector connector, QString serviceName, QString appName,
                               std::shared_ptr<TitleIconCache> icons)
    : export_(new TrayItemExport(std::move(connector), std::move(serviceName)))
    , appName_(std::move(appName))
    , icons_(std::move(icons))
    , button_([this] { show(); }, [this] { return menu_ != nullptr; }) {
    show();
    export_->menu().onRootOpening([this] { button_.recognizeClick(); });
    // On the next turn: by then the program has told the new item what it
    // shows, so hosts read the finished item.
    QMetaObject::invokeMethod(
        export_.data(), [item = export_] { item->start(); }, Qt::QueuedConnection);
}

TrayStatusItem::~TrayStatusItem() {
    if (!export_)
        return;
    export_->withdraw();
    // Deleted later: this item may go away while its own menu item runs.
    export_->deleteLater();
}

void TrayStatusItem::setMenu(std::shared_ptr<Menu> menu) {
    menu_ = std::move(menu);
    export_->item().setHasMenu(menu_ != nullptr);
    export_->menu().setMenu(menu_);
}

void TrayStatusItem::setAutosaveName(const std::optional<QString>& name) {
    autosaveName_ = name;
    export_->item().setId(name.value_or(QString()));
    show();
}

QString TrayStatusItem::itemTitle() const {
    const QString text = button_.accessibilityText();
    if (!text.isEmpty())
        return text;
    return appName_ + QLatin1Char(' ') + autosaveName_.value_or(export_->serviceName());
}

void TrayStatusItem::show() {
    NotifierItemObject& item = export_->item();
    const bool imageOnly = button_.imagePosition() == ImagePosition::ImageOnly;
    item.setTitle(itemTitle());
    item.setLabel(!button_.image().isNull() && imageOnly ? QString() : button_.title());
    item.setIcons(button_.image().isNull()
                      ? icons_->iconsFor(button_.title(), button_.appearsDisabled())
                      : imageIcons());
    export_->menu().scheduleRebuild();
}

DBusImageList TrayStatusItem::imageIcons() {
    const bool unchanged =
        drawnImage_ == button_.image() && drawnDimmed_ == button_.appearsDisabled();
    if (!unchanged) {
        drawnImage_ = button_.image();
        drawnDimmed_ = button_.appearsDisabled();
        drawnImageIcons_ = toDBusImages(scaledToHeights(drawnImage_, drawnDimmed_));
    }
    return drawnImageIcons_;
}

} // namespace platform::xdg
