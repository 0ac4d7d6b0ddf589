// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QtGlobal>

// What the kernel tells about a running process, read from /proc.
struct ProcessSample {
    // Memory in KiB, from smaps_rollup. Resident (RSS) counts every page the
    // process maps, proportional (PSS) shares each shared page among its
    // users, unique (USS) counts the pages no other process maps. All three
    // depend on what else runs: on a desktop of Qt programs, Qt's pages are
    // shared; alone, they are the process's own. Private dirty memory (its
    // heap and what it wrote) is its own cost whatever else runs.
    qint64 residentKiB = 0;
    qint64 proportionalKiB = 0;
    qint64 uniqueKiB = 0;
    qint64 privateDirtyKiB = 0;
    // Times any of its threads went to sleep and was woken again: the sum of
    // the threads' voluntary context switches.
    qint64 wakeUps = 0;
    // Open file descriptors (each tray item's bus connection is one).
    qint64 openFiles = 0;

    static ProcessSample of(qint64 pid);
};
