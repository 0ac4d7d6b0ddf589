// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/DeviceFacts.h"

namespace platform::sim {

// A fixed machine that a test may change: the simulated desktop's own, a
// laptop of the system the program was first written for.
class SimDeviceFacts final : public DeviceFacts {
public:
    DeviceDescription describe() const override { return description; }

    DeviceDescription description{
        .systemName = QStringLiteral("macOS 13.3.1"),
        .systemBuild = QStringLiteral("22E261"),
        .model = QStringLiteral("Mac14,2"),
        .architecture = QStringLiteral("arm64"),
        .residentBytes = 52'428'800,
        .availableBytes = 3'435'973'837,
        .localeIdentifier = QStringLiteral("en_US"),
        .languageName = QStringLiteral("English"),
        .screenCount = 1,
        .primaryScreenScale = 2.0,
        .keyboard =
            KeyboardLayout{QStringLiteral("U.S."), QStringLiteral("com.apple.keylayout.US")},
        .desktopName = std::nullopt,
        .sessionType = std::nullopt,
        .windowSystem = QStringLiteral("sim"),
    };
};

} // namespace platform::sim
