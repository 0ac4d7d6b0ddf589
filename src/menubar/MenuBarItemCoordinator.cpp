// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/MenuBarItemCoordinator.h"

#include "menubar/ClickRouter.h"
#include "menubar/MenuBarLog.h"
#include "menubar/SeparatorLines.h"
#include "menubar/StatusItemRegistry.h"
#include "platform/MainQueue.h"

namespace {

void logLine(const QString& line) {
    qCInfo(menuBarLog).noquote() << line;
}

// How an optional string reads in the log: Optional("…") with quotes and
// backslashes escaped, or nil.
QString debugForm(const std::optional<QString>& text) {
    if (!text)
        return QStringLiteral("nil");
    QString escaped;
    for (const QChar character : *text) {
        switch (character.unicode()) {
        case u'"':
            escaped += QStringLiteral("\\\"");
            break;
        case u'\\':
            escaped += QStringLiteral("\\\\");
            break;
        case u'\n':
            escaped += QStringLiteral("\\n");
            break;
        case u'\r':
            escaped += QStringLiteral("\\r");
            break;
        case u'\t':
            escaped += QStringLiteral("\\t");
            break;
        default:
            escaped += character;
        }
    }
    return QStringLiteral("Optional(\"") + escaped + QStringLiteral("\")");
}

} // namespace

MenuBarItem::Coordinator::Coordinator(const MenuBarItem& description,
                                      platform::StatusBar& statusBar,
                                      menubar::StatusItemRegistry& registry,
                                      platform::MainQueue& queue)
    : parent_(description)
    , registry_(registry)
    , queue_(queue)
    , statusItem_(statusBar.statusItem(platform::StatusBar::variableLength))
    , menu_(std::make_shared<JXMenu>())
    , alive_(std::make_shared<Coordinator*>(this)) {
    logLine(QStringLiteral("StatusItemView - INIT - ") + debugForm(description.id));
    registry_.add(statusItem_);

    const std::weak_ptr<Coordinator*> weakSelf = alive_;
    menu_->onOpenClose = [weakSelf, &queue, tell = registry_.menuOpenCloseNotifier()](bool isOpen) {
        tell(isOpen);
        queue.async([weakSelf, isOpen] {
            if (const auto self = weakSelf.lock())
                (*self)->copyOpenStateToBinding(isOpen);
        });
    };
    menu_->onUpdate = [weakSelf] {
        if (const auto self = weakSelf.lock()) {
            Coordinator& coordinator = **self;
            coordinator.menu_->removeAllItems();
            if (coordinator.parent_.buildMenu) {
                coordinator.parent_.buildMenu(*coordinator.menu_);
                menubar::collapseSeparatorLines(*coordinator.menu_);
            }
        }
    };
    update(description);
}

MenuBarItem::Coordinator::~Coordinator() {
    alive_.reset();
    logLine(QStringLiteral("StatusItemView - DEINIT"));
    registry_.removeLater(statusItem_, queue_);
}

void MenuBarItem::Coordinator::update(const MenuBarItem& description) {
    parent_ = description;
    platform::StatusItem& item = *statusItem_;
    platform::StatusBarButton& button = item.button();
    item.setAutosaveName(parent_.id);
    item.setLength(parent_.width.length());
    button.setTitle(parent_.title.value_or(QString()));
    if (parent_.attributedTitle)
        button.setAttributedTitle(*parent_.attributedTitle);
    button.setImage(parent_.icon.value_or(QImage()));
    button.setAppearsDisabled(parent_.appearsDisabled);
    button.setSendActionOn(platform::leftMouseUpMask);
    button.setAction([action = parent_.action](const platform::Event& event) {
        if (action)
            action(event);
    });
    if (parent_.icon) {
        button.setImagePosition(parent_.title ? platform::ImagePosition::ImageBesideTitle
                                              : platform::ImagePosition::ImageOnly);
    }
    button.setAccessibilityTitle(parent_.accessibilityTitle);
    button.setAccessibilityLabel(parent_.accessibilityLabel);
    button.setAccessibilityValue(parent_.accessibilityValue);
    if (parent_.buildMenu)
        applyMenu();
    else
        item.setMenu(nullptr);
}

// With an action as well, the menu is attached only for the clicks that the
// action lets through.
void MenuBarItem::Coordinator::applyMenu() {
    platform::StatusItem& item = *statusItem_;
    item.setMenu(menu_);
    if (parent_.action) {
        item.setMenu(nullptr);
        item.button().setSendActionOn(platform::leftMouseDownOrRightMouseUpMask);
        item.button().setAction([weakItem = std::weak_ptr<platform::StatusItem>(statusItem_),
                                 action = parent_.action,
                                 menu = menu_](const platform::Event& event) {
            menubar::routeClick(weakItem, action, menu, event);
        });
    }
    if (parent_.isMenuOpen)
        syncMenuWithBinding();
}

// The binding and the menu settle: an update that finds them agreeing does nothing.
void MenuBarItem::Coordinator::syncMenuWithBinding() {
    if (parent_.isMenuOpen->get() && !menu_->isOpen())
        statusItem_->button().performClick();
    if (!parent_.isMenuOpen->get() && menu_->isOpen()) {
        menu_->cancelTrackingWithoutAnimation();
        statusItem_->button().highlight(false);
    }
}

void MenuBarItem::Coordinator::copyOpenStateToBinding(bool isOpen) {
    if (parent_.isMenuOpen)
        parent_.isMenuOpen->set(isOpen);
}
