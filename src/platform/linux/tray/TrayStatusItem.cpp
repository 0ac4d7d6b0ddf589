// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TrayStatusItem.h"

#include "platform/linux/tray/TitleIcon.h"
#include "platform/linux/tray/TrayItemTitle.h"

namespace platform::xdg {

namespace {
QList<QImage> scaledToHeights(const QImage& image, bool dimmed, const QList<int>& heights) {
    QList<QImage> images;
    for (int height : heights) {
        // As wide as the widest title at most, whatever the image's shape.
        const QImage scaled = image.scaled(QSize(height * TitleIcon::maximumCharacters, height),
                                           Qt::KeepAspectRatio, Qt::SmoothTransformation);
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

DBusImageList onlyAt(const DBusImageList& icons, const QList<int>& heights) {
    DBusImageList result;
    for (const DBusImage& icon : icons)
        if (heights.contains(icon.height))
            result.append(icon);
    return result;
}
} // namespace

TrayStatusItem::TrayStatusItem(TrayItemExport* itemExport, QString itemKind,
                               const TrayItemRepresentation& representation,
                               std::shared_ptr<TitleIconCache> icons, MenuPopup popup,
                               std::shared_ptr<XEmbedDocking> docking)
    : export_(itemExport)
    , itemKind_(std::move(itemKind))
    , sendsLabel_(representation.sendsLabel)
    , iconHeights_(representation.iconHeights)
    , popup_(std::move(popup))
    , icons_(std::move(icons))
    , button_([this] { show(); }, [this] { return menu_ != nullptr; })
    , docking_(std::move(docking)) {
    export_->item().setOnClick([this](int x, int y) { clicked(QPoint(x, y)); });
    show();
    export_->menu().onRootOpening([this] { button_.recognizeClick(); });
    // On the next turn: by then the program has told the new item what it
    // shows, so hosts read the finished item.
    QMetaObject::invokeMethod(
        export_.data(), [item = export_] { item->start(); }, Qt::QueuedConnection);
    docking_->add(*this);
}

TrayStatusItem::~TrayStatusItem() {
    docking_->remove(*this);
    if (!export_)
        return;
    // Calls already on their way find no item behind the export.
    export_->item().setOnClick({});
    export_->menu().onRootOpening({});
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
    export_->item().setId(name.value_or(QString()));
}

void TrayStatusItem::setSortKey(const QString& category, const QString& title) {
    export_->item().setCategory(category);
    sortTitle_ = title;
    show();
}

void TrayStatusItem::arriveAgain(const QString& serviceName) {
    export_->startAs(serviceName);
    docking_->arriveAgain(*this);
}

void TrayStatusItem::holdBack() {
    export_->holdBack();
}

void TrayStatusItem::dock() {
    icon_ = std::make_unique<XEmbedIcon>([this](int height) { return drawn(height); },
                                         [this](QPoint at) { clicked(at); });
    icon_->setTitle(itemTitle());
    icon_->dock();
}

void TrayStatusItem::undock() {
    icon_.reset();
}

std::optional<QRect> TrayStatusItem::dockedAt() const {
    return icon_ ? icon_->shownAt() : std::nullopt;
}

QImage TrayStatusItem::drawn(int height) {
    if (button_.image().isNull())
        return TitleIcon(TitleIcon::bounded(button_.title()), button_.appearsDisabled())
            .render(height);
    return scaledToHeights(button_.image(), button_.appearsDisabled(), {height}).value(0);
}

void TrayStatusItem::clicked(QPoint at) {
    button_.recognizeClick();
    if (menu_ && popup_)
        popup_(menu_, at);
    else if (!menu_)
        button_.performClick();
}

// Hosts show the title to users and read it out: what the item is and which
// glyph it shows, never an identifier.
QString TrayStatusItem::itemTitle() const {
    if (sortTitle_)
        return *sortTitle_;
    const QString text = button_.accessibilityText();
    return text.isEmpty() ? trayItemTitle(itemKind_, TitleIcon::bounded(button_.title())) : text;
}

void TrayStatusItem::show() {
    NotifierItemObject& item = export_->item();
    const bool imageOnly = button_.imagePosition() == ImagePosition::ImageOnly;
    const QString glyph = TitleIcon::bounded(button_.title());
    item.setTitle(itemTitle());
    const bool labelled = sendsLabel_ && !(!button_.image().isNull() && imageOnly);
    item.setLabel(labelled ? glyph : QString());
    item.setIcons(button_.image().isNull()
                      ? onlyAt(icons_->iconsFor(glyph, button_.appearsDisabled()), iconHeights_)
                      : imageIcons());
    export_->menu().scheduleRebuild();
    if (icon_) {
        // Named as the item, for trays that sort icons by name (tint2).
        icon_->setTitle(itemTitle());
        icon_->redraw();
    }
}

DBusImageList TrayStatusItem::imageIcons() {
    const bool unchanged =
        drawnImage_ == button_.image() && drawnDimmed_ == button_.appearsDisabled();
    if (!unchanged) {
        drawnImage_ = button_.image();
        drawnDimmed_ = button_.appearsDisabled();
        drawnImageIcons_ = toDBusImages(scaledToHeights(drawnImage_, drawnDimmed_, iconHeights_));
    }
    return drawnImageIcons_;
}

} // namespace platform::xdg
