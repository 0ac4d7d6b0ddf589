// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Pasteboard.h"

namespace platform::sim {

// A clipboard a test reads.
class SimPasteboard final : public Pasteboard {
public:
    void setText(const QString& text) override { this->text = text; }

    QString text;
};

} // namespace platform::sim
