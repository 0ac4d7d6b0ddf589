// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

#include <optional>

namespace platform {

// The keyboard layout in use: its name for people and the identifier the
// system knows it by. Either may be unknown.
struct KeyboardLayout {
    std::optional<QString> name;
    std::optional<QString> identifier;
};

// What a bug report needs to know about the machine and the session, as it is
// at the moment of asking.
struct DeviceDescription {
    // The system's name and version ("Debian GNU/Linux 12 (bookworm)").
    QString systemName;
    // What the system was built from (on Linux the kernel: "Linux 6.1.0-18-amd64").
    std::optional<QString> systemBuild;
    // The maker and model of the computer.
    std::optional<QString> model;
    // The processor architecture ("x86_64"); "unknown" when it cannot be told.
    QString architecture;
    // Physical memory this process uses, and memory still available to start
    // other programs, in bytes.
    std::optional<qint64> residentBytes;
    std::optional<qint64> availableBytes;
    // The user's locale ("en_US") and its language's English name ("English").
    QString localeIdentifier;
    std::optional<QString> languageName;
    int screenCount = 0;
    // The first screen's ratio of device pixels to logical pixels.
    double primaryScreenScale = 1;
    // None when no layout is current.
    std::optional<KeyboardLayout> keyboard;
    // The desktop and the kind of session it runs in ("XFCE", "x11"), as the
    // session announces them, and the window system the program talks to.
    std::optional<QString> desktopName;
    std::optional<QString> sessionType;
    QString windowSystem;
};

// Facts about the machine the program runs on.
class DeviceFacts {
public:
    virtual ~DeviceFacts() = default;
    virtual DeviceDescription describe() const = 0;
};

} // namespace platform
