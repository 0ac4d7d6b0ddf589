// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/StatusBar.h"

#include <QImage>

#include <functional>

namespace platform::xdg {

// The face of a tray item: what it shows and what a click does. It keeps what
// it is told and lets its item know after every change, so that the item can
// show it to the hosts.
class TrayStatusBarButton final : public StatusBarButton {
public:
    // `changed` runs after every change; `hasMenu` tells whether a click would
    // open a menu rather than call the action.
    TrayStatusBarButton(std::function<void()> changed, std::function<bool()> hasMenu)
        : changed_(std::move(changed))
        , hasMenu_(std::move(hasMenu)) {}

    void setTitle(const QString& title) override;
    void setAttributedTitle(const AttributedText& title) override;
    void setImage(const QImage& image) override;
    void setImagePosition(ImagePosition position) override;
    void setAppearsDisabled(bool disabled) override;
    // Trays report a click as a whole, never single mouse-button events, so
    // which events send the action makes no difference here.
    void setSendActionOn(EventMask) override {}
    void setAction(Action action) override { action_ = std::move(action); }
    // Without a menu the action runs with a blank event. A tray host opens an
    // item's menu only on the user's own click, so with a menu nothing happens.
    void performClick() override;
    // Hosts draw the pressed look of their items themselves.
    void highlight(bool) override {}
    void setClickRecognizer(std::function<void()> recognizer) override {
        clickRecognizer_ = std::move(recognizer);
    }
    // A host is opening the item's menu or activating it: the user clicked.
    void recognizeClick() const {
        if (const std::function<void()> recognizer = clickRecognizer_)
            recognizer();
    }
    // The accessibility texts become the item's title, which hosts hand to
    // screen readers.
    void setAccessibilityTitle(const std::optional<QString>& title) override;
    void setAccessibilityLabel(const std::optional<QString>& label) override;
    void setAccessibilityValue(const std::optional<QString>& value) override;

    const QString& title() const { return title_.text; }
    const QImage& image() const { return image_; }
    ImagePosition imagePosition() const { return imagePosition_; }
    bool appearsDisabled() const { return appearsDisabled_; }
    // The label, else the title, then the value, each on its own line.
    QString accessibilityText() const;

private:
    template <typename T> void update(T& field, const T& value);

    std::function<void()> changed_;
    std::function<bool()> hasMenu_;
    AttributedText title_;
    QImage image_;
    ImagePosition imagePosition_ = ImagePosition::ImageBesideTitle;
    bool appearsDisabled_ = false;
    Action action_;
    std::function<void()> clickRecognizer_;
    std::optional<QString> accessibilityTitle_;
    std::optional<QString> accessibilityLabel_;
    std::optional<QString> accessibilityValue_;
};

} // namespace platform::xdg
