// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QtGlobal>

// What the kernel tells about a running process, read from /proc.
struct ProcessSample {
    // Resident memory in KiB.
    qint64 residentKiB = 0;
    // Times any of its threads went to sleep and was woken again: the sum of
    // the threads' voluntary context switches.
    qint64 wakeUps = 0;
    // Open file descriptors (each tray item's bus connection is one).
    qint64 openFiles = 0;

    static ProcessSample of(qint64 pid);
};
