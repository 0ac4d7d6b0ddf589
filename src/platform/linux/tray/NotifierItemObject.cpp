// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/tray/NotifierItemObject.h"

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
}

void NotifierItemObject::setLabel(const QString& label) {
    if (label == label_)
        return;
    label_ = label;
    Q_EMIT XAyatanaNewLabel(label_, label_);
}

} // namespace platform::xdg
