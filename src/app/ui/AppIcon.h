// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QIcon>

namespace app {

// Gapsel's icon (the same drawing as data/com.gapsel.Gapsel.svg), painted in
// code so that windows have it without an image plugin.
QIcon appIcon();

} // namespace app
