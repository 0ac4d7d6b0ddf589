// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Modifiers.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace platform {

// The fonts a menu item's text can be drawn in: the menu's system font, the
// same at the small size used for section headings, its italic form, and the
// fixed-width system font at the standard size.
enum class FontStyle { System, SmallSystem, Italic, Monospace };

// Text with one font over its whole length, or with no font of its own (the
// menu's font then applies).
struct AttributedText {
    QString text;
    std::optional<FontStyle> font;

    friend bool operator==(const AttributedText&, const AttributedText&) = default;
};

class Menu;

// One entry of a menu, as the program builds it and a backend shows it. Items
// are shown enabled exactly as their creator set them: there is no automatic
// enabling behind the program's back.
class MenuItem {
public:
    explicit MenuItem(QString title = {}, QString keyEquivalent = {})
        : title_(std::move(title))
        , keyEquivalent_(std::move(keyEquivalent)) {}
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    // A line between groups of items; it has no title and cannot be chosen.
    static std::shared_ptr<MenuItem> separator() {
        auto line = std::make_shared<MenuItem>();
        line->isSeparator_ = true;
        line->isEnabled_ = false;
        return line;
    }

    const QString& title() const { return title_; }
    void setTitle(QString title) { title_ = std::move(title); }
    // When present, shown instead of the plain title.
    const std::optional<AttributedText>& attributedTitle() const { return attributedTitle_; }
    void setAttributedTitle(AttributedText title) { attributedTitle_ = std::move(title); }
    // What the item shows: the attributed title's text, else the plain title.
    const QString& displayedText() const {
        return attributedTitle_ ? attributedTitle_->text : title_;
    }

    // What a screen reader says for the item where its text alone says too
    // little (a lone "·"); empty when the text says it.
    const QString& accessibilityDescription() const { return accessibilityDescription_; }
    void setAccessibilityDescription(QString description) {
        accessibilityDescription_ = std::move(description);
    }

    const QString& keyEquivalent() const { return keyEquivalent_; }
    void setKeyEquivalent(QString key) { keyEquivalent_ = std::move(key); }
    // The modifiers that go with the key equivalent; Command unless set.
    ModifierFlags keyModifiers() const { return keyModifiers_; }
    void setKeyModifiers(ModifierFlags modifiers) { keyModifiers_ = modifiers; }

    bool isEnabled() const { return isEnabled_; }
    void setEnabled(bool enabled) { isEnabled_ = enabled; }
    bool isChecked() const { return isChecked_; }
    void setChecked(bool checked) { isChecked_ = checked; }
    // One of a set of choices of which one is checked: shown with a radio
    // mark, checked or not, so that a backend can keep the kind of mark
    // fixed and change only the state.
    bool isChoice() const { return isChoice_; }
    void setChoice(bool choice) { isChoice_ = choice; }
    bool isHidden() const { return isHidden_; }
    void setHidden(bool hidden) { isHidden_ = hidden; }
    bool isSeparator() const { return isSeparator_; }

    const std::shared_ptr<Menu>& submenu() const { return submenu_; }
    void setSubmenu(std::shared_ptr<Menu> submenu) { submenu_ = std::move(submenu); }

    // The backend calls this when the user chooses the item, after the menu
    // has closed. A plain item does nothing.
    virtual void perform() {}

private:
    QString title_;
    std::optional<AttributedText> attributedTitle_;
    QString accessibilityDescription_;
    QString keyEquivalent_;
    ModifierFlags keyModifiers_ = ModifierKey::Command;
    bool isEnabled_ = true;
    bool isChecked_ = false;
    bool isChoice_ = false;
    bool isHidden_ = false;
    bool isSeparator_ = false;
    std::shared_ptr<Menu> submenu_;
};

// A menu as the program builds it. A backend shows it and reports, through the
// three notifications, what happens to it; the program may rebuild the items
// whenever it is told that the menu needs an update.
class Menu {
public:
    explicit Menu(QString title = {})
        : title_(std::move(title)) {}
    virtual ~Menu() = default;
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    const QString& title() const { return title_; }
    const std::vector<std::shared_ptr<MenuItem>>& items() const { return items_; }
    void addItem(std::shared_ptr<MenuItem> item) { items_.push_back(std::move(item)); }
    void removeAllItems() { items_.clear(); }

    // From the backend: before the menu is shown, so that its items can be
    // made afresh; then when it opens; and when it has closed.
    virtual void menuNeedsUpdate() {}
    virtual void menuWillOpen() {}
    virtual void menuDidClose() {}

    // Closes the menu at once if a backend is showing it; else does nothing.
    void cancelTrackingWithoutAnimation() const {
        if (cancelTracking_)
            cancelTracking_();
    }
    // The backend that shows the menu says how to close it, and withdraws
    // that (an empty function) once the menu has closed.
    void setCancelTracking(std::function<void()> cancel) { cancelTracking_ = std::move(cancel); }

private:
    QString title_;
    std::vector<std::shared_ptr<MenuItem>> items_;
    std::function<void()> cancelTracking_;
};

} // namespace platform
