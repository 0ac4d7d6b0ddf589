// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Pasteboard.h"

namespace platform::xdg {

// The desktop's clipboard through Qt.
class QtPasteboard final : public Pasteboard {
public:
    void setText(const QString& text) override;
};

} // namespace platform::xdg
