// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

namespace kit {

// An amount of memory for people: 1024-based units, the number rounded to
// whole kilobytes, tenths of megabytes and hundredths of anything larger,
// trailing zeros dropped, and no exact byte count: "Zero KB", "1 byte",
// "512 bytes", "2 KB", "1.5 MB", "7.88 GB".
QString memoryText(qint64 bytes);

// A span of time in abbreviated units, largest first, units that are zero
// left out: "0s", "45s", "1h 3s", "2w 1d 4h 5m 6s". A negative span reads
// as none.
QString durationText(qint64 seconds);

} // namespace kit
