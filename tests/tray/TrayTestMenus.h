// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Menu.h"
#include "platform/linux/tray/DBusTypes.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>

namespace tray_testing {

using namespace Qt::StringLiterals;

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
        events.append(u"update"_s);
        if (build) {
            removeAllItems();
            build(*this);
        }
    }
    void menuWillOpen() override { events.append(u"open"_s); }
    void menuDidClose() override { events.append(u"close"_s); }
};

inline QStringList texts(std::initializer_list<const char*> utf8) {
    QStringList list;
    for (const char* text : utf8)
        list.append(QString::fromUtf8(text));
    return list;
}

// A copy: callers pass the label as a temporary, and a reference into
// `parent` returned beside it reads to the compiler as one that may dangle.
inline platform::xdg::DBusMenuLayoutItem
childLabelled(const platform::xdg::DBusMenuLayoutItem& parent, const QString& label) {
    for (const auto& child : parent.children)
        if (child.properties.value(u"label"_s).toString() == label)
            return child;
    throw std::runtime_error("no such entry");
}

inline std::shared_ptr<CountingItem> item(const QString& title, bool enabled = true,
                                          bool checked = false) {
    auto made = std::make_shared<CountingItem>(title);
    made->setEnabled(enabled);
    made->setChecked(checked);
    return made;
}

// A separator's menu in small: New, Remove, a tip of two lines, a header, three
// characters (one checked), Settings… with a key, More with a submenu, Quit.
inline std::shared_ptr<platform::Menu> separatorMenu(bool canRemove, const QString& checked) {
    using platform::AttributedText;
    using platform::FontStyle;
    auto menu = std::make_shared<platform::Menu>();
    menu->addItem(item(u"New"_s));
    menu->addItem(item(u"Remove"_s, canRemove));
    menu->addItem(platform::MenuItem::separator());
    menu->addItem(item(u"Drag it \nto move it "_s, false));
    auto header = item(QString(), false);
    header->setAttributedTitle(AttributedText{u"Separator"_s, FontStyle::SmallSystem});
    menu->addItem(header);
    for (const QString& character : {u"space"_s, u"·"_s, u"—"_s}) {
        auto choice = item(QString(), true, character == checked);
        choice->setAttributedTitle(AttributedText{character, FontStyle::Monospace});
        choice->setChoice(true);
        if (character == u"·"_s)
            choice->setAccessibilityDescription(u"Middle dot"_s);
        menu->addItem(choice);
    }
    menu->addItem(platform::MenuItem::separator());
    menu->addItem(std::make_shared<CountingItem>(u"Settings…"_s, u","_s));
    auto more = item(u"More"_s);
    auto submenu = std::make_shared<RecordingMenu>();
    submenu->addItem(item(u"About"_s));
    submenu->addItem(platform::MenuItem::separator());
    submenu->addItem(item(u"Send Feedback…"_s));
    more->setSubmenu(submenu);
    menu->addItem(more);
    menu->addItem(std::make_shared<CountingItem>(u"Quit Gapsel"_s, u"q"_s));
    return menu;
}

} // namespace tray_testing
