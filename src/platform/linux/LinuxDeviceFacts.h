// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/DeviceFacts.h"

namespace platform::xdg {

// The machine as Linux describes it: /etc/os-release and the kernel, the
// firmware's DMI table, uname, /proc, the X server's keyboard and the
// session's environment.
class LinuxDeviceFacts final : public DeviceFacts {
public:
    DeviceDescription describe() const override;
};

// The value of `field` ("VmRSS", "MemAvailable") in a /proc file whose lines
// read "Field:   1234 kB", in bytes.
std::optional<qint64> procKilobytesField(const QByteArray& contents, const QByteArray& field);

} // namespace platform::xdg
