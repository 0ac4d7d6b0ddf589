// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

namespace app {

// How to move a separator, shown in its menu during the first launch and
// under More ▸ Tips afterwards.
QString moveSeparatorTip();

// `text` broken into lines of at most `width` user-perceived characters where
// words allow: words are split at spaces and tabs (two in a row make an empty
// word), each word is followed by one space, and a line feed starts a new line
// before a word that would overflow. Each line keeps its trailing space.
QString wrappedToWidth(const QString& text, int width);

} // namespace app
