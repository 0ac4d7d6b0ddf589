// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

namespace kit {

// `text` between typographic double quotes, as messages name a thing.
QString quoted(const QString& text);

} // namespace kit
