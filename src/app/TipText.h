// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/TrayHosts.h"

#include <QString>

namespace app {

// How to move a separator on `host`'s tray, shown in its menu during the
// first launch and under More ▸ Tips afterwards. Each host gets its own true
// instruction; the draggable menu bar is moved by dragging. `reversed`: the
// host's own setting turns its order round (LXQt). `offersPlaceAfter`: the
// menu has Place After (only while the tray shows other items).
QString moveSeparatorTip(platform::TrayHostKind host = platform::TrayHostKind::DraggableMenuBar,
                         bool reversed = false, bool offersPlaceAfter = true);

// `text` broken into lines of at most `width` user-perceived characters where
// words allow: words are split at spaces and tabs (two in a row make an empty
// word), each word is followed by one space, and a line feed starts a new line
// before a word that would overflow. Each line keeps its trailing space.
QString wrappedToWidth(const QString& text, int width);

} // namespace app
