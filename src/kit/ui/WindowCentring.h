// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

class QScreen;
class QWidget;

namespace kit {

// The screen a window of ours opens on: the one under the pointer, where the
// user just clicked, else the primary one.
QScreen* screenToOpenOn();

// Sizes `window` to its contents and centres it in the usable area of
// `screen`, in the screen's own device-independent pixels, so that it
// opens centred at any scale factor whatever the window manager would do.
void centreOnScreen(QWidget& window, QScreen* screen);

} // namespace kit
