// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Pasteboard.h"

namespace platform::xdg {

// The desktop's clipboard through Qt. Plain text is offered in every form
// the window system knows for text, so that any program can paste it.
class QtPasteboard final : public Pasteboard {
public:
    void setContents(const QMap<QString, QByteArray>& dataByType) override;
};

} // namespace platform::xdg
