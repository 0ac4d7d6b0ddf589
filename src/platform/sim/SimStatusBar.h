// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/StatusBar.h"

#include <QImage>
#include <QStringList>

#include <memory>
#include <vector>

namespace platform::sim {

class SimStatusItem;

// A status item's button that records what it is told and takes mouse events
// from a test.
class SimStatusBarButton final : public StatusBarButton {
public:
    explicit SimStatusBarButton(SimStatusItem& item)
        : item_(item) {}

    void setTitle(const QString& title) override {
        title_ = AttributedText{title, std::nullopt};
        ++titleWrites_;
    }
    void setAttributedTitle(const AttributedText& title) override { title_ = title; }
    void setImage(const QImage& image) override { image_ = image; }
    void setImagePosition(ImagePosition position) override { imagePosition_ = position; }
    void setAppearsDisabled(bool disabled) override { appearsDisabled_ = disabled; }
    void setSendActionOn(EventMask mask) override { sendActionOn_ = mask; }
    void setAction(Action action) override { action_ = std::move(action); }
    void performClick() override;
    void highlight(bool highlighted) override { isHighlighted_ = highlighted; }
    void setClickRecognizer(std::function<void()> recognizer) override {
        clickRecognizer_ = std::move(recognizer);
    }
    void setAccessibilityTitle(const std::optional<QString>& title) override {
        accessibilityTitle_ = title;
    }
    void setAccessibilityLabel(const std::optional<QString>& label) override {
        accessibilityLabel_ = label;
    }
    void setAccessibilityValue(const std::optional<QString>& value) override {
        accessibilityValue_ = value;
    }

    // Inspection.
    const QString& title() const { return title_.text; }
    // How often the plain title was set, whether it changed or not.
    int titleWrites() const { return titleWrites_; }
    const AttributedText& attributedTitle() const { return title_; }
    const QImage& image() const { return image_; }
    ImagePosition imagePosition() const { return imagePosition_; }
    bool appearsDisabled() const { return appearsDisabled_; }
    EventMask sendActionOn() const { return sendActionOn_; }
    bool isHighlighted() const { return isHighlighted_; }
    const std::optional<QString>& accessibilityTitle() const { return accessibilityTitle_; }
    const std::optional<QString>& accessibilityLabel() const { return accessibilityLabel_; }
    const std::optional<QString>& accessibilityValue() const { return accessibilityValue_; }
    bool hasClickRecognizer() const { return static_cast<bool>(clickRecognizer_); }

    // The user presses or releases a mouse button over the button. A press
    // opens the item's menu when it has one; otherwise the event calls the
    // action when the button sends its action on it.
    void receive(const Event& event);
    // A whole click with the left or the right mouse button: the click
    // recognizer sees it first; then press, and release unless the press
    // opened the menu (which then takes the release).
    void click(bool rightButton = false);

private:
    SimStatusItem& item_;
    AttributedText title_;
    int titleWrites_ = 0;
    QImage image_;
    ImagePosition imagePosition_ = ImagePosition::ImageBesideTitle;
    bool appearsDisabled_ = false;
    EventMask sendActionOn_ = leftMouseUpMask;
    Action action_;
    std::function<void()> clickRecognizer_;
    bool isHighlighted_ = false;
    std::optional<QString> accessibilityTitle_;
    std::optional<QString> accessibilityLabel_;
    std::optional<QString> accessibilityValue_;
};

// A status item held in memory. A test opens its menu, reads it, chooses an
// item in it and closes it, as a user would.
class SimStatusItem final : public StatusItem {
public:
    explicit SimStatusItem(double length)
        : length_(length) {}
    ~SimStatusItem() override;

    StatusBarButton& button() override { return button_; }
    void setMenu(std::shared_ptr<Menu> menu) override { menu_ = std::move(menu); }
    void setLength(double length) override { length_ = length; }
    void setAutosaveName(const std::optional<QString>& name) override { autosaveName_ = name; }

    SimStatusBarButton& simButton() { return button_; }
    const SimStatusBarButton& simButton() const { return button_; }
    double length() const { return length_; }
    const std::optional<QString>& autosaveName() const { return autosaveName_; }
    // The menu attached now, if any.
    const std::shared_ptr<Menu>& menu() const { return menu_; }

    // Shows the attached menu: it is told that it needs an update, then that
    // it opens, and the button is highlighted. Returns the menu shown; null
    // when none is attached. Opening an open menu changes nothing.
    const Menu* openMenu();
    bool isMenuOpen() const { return shownMenu_ != nullptr; }
    // The menu on screen, if any (it stays shown even if detached meanwhile).
    const Menu* shownMenu() const { return shownMenu_.get(); }
    // Closes the shown menu; it is told that it closed.
    void closeMenu();
    // Chooses, in the shown menu, the visible and enabled item whose text is
    // path's first entry, going down through submenus for the others: the
    // menus close, then the item performs. False, closing nothing, when no
    // such item is shown.
    bool choose(const QStringList& path);

private:
    SimStatusBarButton button_{*this};
    double length_;
    std::optional<QString> autosaveName_;
    std::shared_ptr<Menu> menu_;
    std::shared_ptr<Menu> shownMenu_;
};

// The menu bar of the simulated desktop: it lists the items that are alive,
// in the order they were created.
class SimStatusBar final : public StatusBar {
public:
    std::shared_ptr<StatusItem> statusItem(double length) override;

    std::vector<SimStatusItem*> items() const;
    // The live item with this autosave name, or null.
    SimStatusItem* item(const QString& autosaveName) const;
    // How many items were ever created.
    int createdCount() const { return createdCount_; }

private:
    std::vector<std::weak_ptr<SimStatusItem>> items_;
    int createdCount_ = 0;
};

} // namespace platform::sim
