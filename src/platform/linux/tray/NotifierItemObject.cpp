// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/NotifierItemObject.h"

#include <algorithm>

namespace platform::xdg {

namespace {
bool sameImages(const DBusImageList& a, const DBusImageList& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].width != b[i].width || a[i].height != b[i].height || a[i].pixels != b[i].pixels)
            return false;
    return true;
}
} // namespace

// GNOME's AppIndicator extension batches what it reads after a NewIcon, and
// under load it now and then keeps the old picture (seen when every item
// dims at once) or, while an item is still settling after its registration,
// an empty one. A second NewIcon a moment after the last change costs each
// host one read and brings it up to date.
NotifierItemObject::NotifierItemObject(QObject* parent)
    : QObject(parent) {
    constexpr int iconReminderDelayMs = 1500;
    iconReminder_.setSingleShot(true);
    iconReminder_.setInterval(iconReminderDelayMs);
    connect(&iconReminder_, &QTimer::timeout, this, &NotifierItemObject::NewIcon);
}

// Qt's Wayland backend takes the token from XDG_ACTIVATION_TOKEN when it next
// shows or activates a window, and then clears it; programs started from the
// click (a browser, the mail program) inherit it. A token is short printable
// text; anything else from the bus is not one and is dropped.
void NotifierItemObject::ProvideXdgActivationToken(const QString& token) {
    constexpr qsizetype longestToken = 512;
    const bool printable = std::all_of(token.cbegin(), token.cend(), [](QChar c) {
        return c.unicode() > 0x20 && c.unicode() < 0x7f;
    });
    if (token.isEmpty() || token.size() > longestToken || !printable)
        return;
    qputenv("XDG_ACTIVATION_TOKEN", token.toLatin1());
}

void NotifierItemObject::setTitle(const QString& title) {
    if (title == title_)
        return;
    title_ = title;
    Q_EMIT NewTitle();
    Q_EMIT NewToolTip();
}

void NotifierItemObject::setIcons(const DBusImageList& icons) {
    if (sameImages(icons, icons_))
        return;
    icons_ = icons;
    Q_EMIT NewIcon();
    remindOfIcon();
}

void NotifierItemObject::setLabel(const QString& label) {
    if (label == label_)
        return;
    label_ = label;
    Q_EMIT XAyatanaNewLabel(label_, label_);
}

} // namespace platform::xdg
