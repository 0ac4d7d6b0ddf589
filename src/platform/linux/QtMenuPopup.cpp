// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/QtMenuPopup.h"

#include "platform/linux/tray/MenuLayout.h"

#include <QCursor>
#include <QFontDatabase>
#include <QMenu>
#include <QTimer>

namespace platform::xdg {

namespace {

// The chosen item, kept from the click until the menu has closed.
struct Choice {
    std::weak_ptr<MenuItem> item;
};

QString actionText(QString text) {
    // An ampersand marks a mnemonic in Qt's menus.
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

void applyFont(QAction& action, const MenuItem& item) {
    if (!item.attributedTitle() || !item.attributedTitle()->font)
        return;
    switch (*item.attributedTitle()->font) {
    case FontStyle::Italic: {
        QFont font = action.font();
        font.setItalic(true);
        action.setFont(font);
        break;
    }
    case FontStyle::Monospace:
        action.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        break;
    case FontStyle::SmallSystem:
    case FontStyle::System:
        break;
    }
}

void fill(QMenu& target, const std::shared_ptr<Menu>& menu, const std::shared_ptr<Choice>& choice);

void addItem(QMenu& target, const std::shared_ptr<MenuItem>& item,
             const std::shared_ptr<Choice>& choice) {
    if (item->isHidden())
        return;
    if (item->isSeparator()) {
        target.addSeparator();
        return;
    }
    if (const std::shared_ptr<Menu>& submenu = item->submenu()) {
        QMenu* nested = target.addMenu(actionText(item->displayedText()));
        nested->setEnabled(item->isEnabled());
        QObject::connect(nested, &QMenu::aboutToShow, nested, [nested, submenu, choice] {
            nested->clear();
            fill(*nested, submenu, choice);
        });
        return;
    }
    // Line breaks as the hosts' menus get them: one entry per line.
    for (const QString& line : MenuLayout::linesOf(*item)) {
        QAction* action = target.addAction(actionText(line));
        action->setEnabled(item->isEnabled());
        action->setCheckable(item->isChoice() || item->isChecked());
        action->setChecked(item->isChecked());
        applyFont(*action, *item);
        QObject::connect(action, &QAction::triggered, action,
                         [choice, weak = std::weak_ptr<MenuItem>(item)] { choice->item = weak; });
    }
}

void fill(QMenu& target, const std::shared_ptr<Menu>& menu, const std::shared_ptr<Choice>& choice) {
    menu->menuNeedsUpdate();
    for (const std::shared_ptr<MenuItem>& item : menu->items())
        addItem(target, item, choice);
}

} // namespace

QtMenuPopup::~QtMenuPopup() {
    delete open_;
}

void QtMenuPopup::show(const std::shared_ptr<Menu>& menu, QPoint at) {
    if (open_)
        open_->close();
    auto* popup = new QMenu;
    popup->setAttribute(Qt::WA_DeleteOnClose);
    auto choice = std::make_shared<Choice>();
    fill(*popup, menu, choice);
    // Qt hides the menu before it triggers the chosen action: both have
    // happened by the next turn.
    QObject::connect(popup, &QMenu::aboutToHide, popup, [menu, choice] {
        QTimer::singleShot(0, [menu, choice] {
            menu->setCancelTracking({});
            menu->menuDidClose();
            if (const std::shared_ptr<MenuItem> chosen = choice->item.lock())
                chosen->perform();
        });
    });
    menu->setCancelTracking([guard = QPointer<QMenu>(popup)] {
        if (guard)
            guard->close();
    });
    menu->menuWillOpen();
    open_ = popup;
    popup->popup(at.isNull() ? QCursor::pos() : at);
}

} // namespace platform::xdg
