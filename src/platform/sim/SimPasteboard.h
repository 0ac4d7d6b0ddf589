// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Pasteboard.h"

namespace platform::sim {

// A clipboard a test reads back.
class SimPasteboard final : public Pasteboard {
public:
    void setContents(const QMap<QString, QByteArray>& dataByType) override {
        contents = dataByType;
        ++writeCount;
    }

    QMap<QString, QByteArray> contents;
    int writeCount = 0;
};

} // namespace platform::sim
