// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Platform.h"

#include <QUrl>
#include <QWidget>

namespace kit {

// What the share window passes on and through what.
struct ShareAppContext {
    QString appName;
    QString appId;
    QUrl link;
    platform::Platform platform;
};

// "Share <name>": the application's link as a QR code for a phone's camera,
// with buttons to copy it, share it (by e-mail or the clipboard) and open
// it. Escape and Ctrl+W close it.
class ShareAppScreen : public QWidget {
public:
    explicit ShareAppScreen(ShareAppContext context, QWidget* parent = nullptr);

    // A new window, centred on the screen and brought to the front; it
    // deletes itself when closed.
    static ShareAppScreen* open(ShareAppContext context);

    // Shrinks the QR code, never below what a phone still reads, until the
    // window with its title bar fits `available` (a screen's usable area).
    void fitInto(const QRect& available);

private:
    QWidget* makeButtons();
    void copyLink();
    void emailLink();
    void openLink();

    ShareAppContext context_;
    QWidget* code_ = nullptr;
};

} // namespace kit
