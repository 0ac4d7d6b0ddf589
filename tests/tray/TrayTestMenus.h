// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Menu.h"

#include <QStringList>

#include <functional>
#include <memory>

namespace tray_testing {

// A menu item that counts how often it was chosen.
class CountingItem : public platform::MenuItem {
public:
    using MenuItem::MenuItem;
    void perform() override { ++performed; }
    int performed = 0;
};

// A menu that records the notifications a backend sends it and fills itself
// from `build` whenever it is told it needs an update.
class RecordingMenu : public platform::Menu {
public:
    std::function<void(RecordingMenu&)> build;
    QStringList events;

    void menuNeedsUpdate() override {
        events.append(QStringLiteral("update"));
        if (build) {
            removeAllItems();
            build(*this);
        }
    }
    void menuWillOpen() override { events.append(QStringLiteral("open")); }
    void menuDidClose() override { events.append(QStringLiteral("close")); }
};

// A list of texts written as plain string literals.
inline QStringList texts(std::initializer_list<const char*> utf8) {
    QStringList list;
    for (const char* text : utf8)
        list.append(QString::fromUtf8(text));
    return list;
}

inline std::shared_ptr<CountingItem> item(const QString& title, bool enabled = true,
                                          bool checked = false) {
    auto made = std::make_shared<CountingItem>(title);
    made->setEnabled(enabled);
    made->setChecked(checked);
    return made;
}

// A separator's menu in small: New, Remove, a line, a tip of two lines, a
// header, three characters to choose from with one checked, Settings… with a
// key, More with a submenu, and Quit.
inline void buildSeparatorMenu(platform::Menu& menu, bool canRemove, const QString& checked) {
    using platform::AttributedText;
    using platform::FontStyle;
    menu.addItem(item(QStringLiteral("New")));
    menu.addItem(item(QStringLiteral("Remove"), canRemove));
    menu.addItem(platform::MenuItem::separator());
    menu.addItem(item(QStringLiteral("Drag it \nto move it "), false));
    auto header = item(QString(), false);
    header->setAttributedTitle(AttributedText{QStringLiteral("Separator"), FontStyle::SmallSystem});
    menu.addItem(header);
    for (const QString& character :
         {QStringLiteral("space"), QStringLiteral("·"), QStringLiteral("—")}) {
        auto choice = item(QString(), true, character == checked);
        choice->setAttributedTitle(AttributedText{character, FontStyle::Monospace});
        choice->setChoice(true);
        menu.addItem(choice);
    }
    menu.addItem(platform::MenuItem::separator());
    menu.addItem(std::make_shared<CountingItem>(QStringLiteral("Settings…"), QStringLiteral(",")));
    auto more = item(QStringLiteral("More"));
    auto submenu = std::make_shared<platform::Menu>();
    submenu->addItem(item(QStringLiteral("About")));
    submenu->addItem(platform::MenuItem::separator());
    submenu->addItem(item(QStringLiteral("Send Feedback…")));
    more->setSubmenu(submenu);
    menu.addItem(more);
    menu.addItem(
        std::make_shared<CountingItem>(QStringLiteral("Quit Gapsel"), QStringLiteral("q")));
}

} // namespace tray_testing
