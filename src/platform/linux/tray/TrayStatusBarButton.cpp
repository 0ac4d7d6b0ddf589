// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/TrayStatusBarButton.h"

namespace platform::xdg {

template <typename T> void TrayStatusBarButton::update(T& field, const T& value) {
    field = value;
    changed_();
}

void TrayStatusBarButton::setTitle(const QString& title) {
    update(title_, AttributedText{title, std::nullopt});
}

void TrayStatusBarButton::setAttributedTitle(const AttributedText& title) {
    update(title_, title);
}

void TrayStatusBarButton::setImage(const QImage& image) {
    update(image_, image);
}

void TrayStatusBarButton::setImagePosition(ImagePosition position) {
    update(imagePosition_, position);
}

void TrayStatusBarButton::setAppearsDisabled(bool disabled) {
    update(appearsDisabled_, disabled);
}

void TrayStatusBarButton::performClick() {
    if (!hasMenu_() && action_)
        action_(Event{});
}

void TrayStatusBarButton::setAccessibilityTitle(const std::optional<QString>& title) {
    update(accessibilityTitle_, title);
}

void TrayStatusBarButton::setAccessibilityLabel(const std::optional<QString>& label) {
    update(accessibilityLabel_, label);
}

void TrayStatusBarButton::setAccessibilityValue(const std::optional<QString>& value) {
    update(accessibilityValue_, value);
}

QString TrayStatusBarButton::accessibilityText() const {
    QStringList lines;
    if (const auto& name = accessibilityLabel_ ? accessibilityLabel_ : accessibilityTitle_)
        lines.append(*name);
    if (accessibilityValue_)
        lines.append(*accessibilityValue_);
    return lines.join(QLatin1Char('\n'));
}

} // namespace platform::xdg
