// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "menubar/CallbackMenuItem.h"

CallbackMenuItem::CallbackMenuItem(QString title, const Options& options,
                                   std::function<void()> callback)
    : platform::MenuItem(std::move(title), options.key)
    , callback_(std::move(callback)) {
    setEnabled(options.isEnabled);
    setChecked(options.isChecked);
    setHidden(options.isHidden);
    if (options.keyModifiers)
        setKeyModifiers(*options.keyModifiers);
}

void CallbackMenuItem::perform() {
    // The callback may rebuild the menu that holds this item; the copy keeps
    // the callback alive until it returns.
    const auto callback = callback_;
    if (callback)
        callback();
}
