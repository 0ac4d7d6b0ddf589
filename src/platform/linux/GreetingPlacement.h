// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace platform::xdg {

// Where a greeting of `size` goes so that it points at the tray. Where the
// item's place is known (`item`: an XEmbed tray's icon), right under it, or
// above it in the lower half of the screen. A StatusNotifierItem tells nobody
// where it is drawn, so the greeting goes to the tray's end of the panel: the
// panel sits on the edge where the screen's work area (`available`) leaves
// room for it, and the tray at its trailing end, 60 pixels in. With no room
// reserved anywhere, the top right corner.
QPoint greetingPosition(const QRect& screen, const QRect& available, const QSize& size,
                        const std::optional<QRect>& item = std::nullopt);

} // namespace platform::xdg
