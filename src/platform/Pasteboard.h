// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

namespace platform {

// The desktop's clipboard.
class Pasteboard {
public:
    virtual ~Pasteboard() = default;

    // Replaces what the clipboard holds with plain text.
    virtual void setText(const QString& text) = 0;
};

} // namespace platform
