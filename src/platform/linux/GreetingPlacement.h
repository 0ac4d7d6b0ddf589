// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace platform::xdg {

// Where a greeting of `size` goes so that it points at the tray. A tray item
// tells nobody where it is drawn, so the greeting goes to the tray's end of
// the panel: the panel sits on the edge where the screen's work area
// (`available`) leaves room for it, and the tray at its trailing end, 60
// pixels in. With no room reserved anywhere, the top right corner.
QPoint greetingPosition(const QRect& screen, const QRect& available, const QSize& size);

// Where a greeting of `size` goes beside the tray drawn at `tray`: on the side
// of the panel that faces the screen (below a top panel, right of a left
// one...), centred on the tray as far as the screen allows. The panel is
// taken to lie along the screen edge nearest to the tray.
QPoint greetingBesideTray(const QRect& screen, const QRect& tray, const QSize& size);

} // namespace platform::xdg
