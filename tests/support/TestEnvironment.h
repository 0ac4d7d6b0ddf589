// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "debug/InMemoryLog.h"

#include <QString>

#include <functional>

namespace testing_support {

// What the test process logged lately: every message goes here, as in the
// program.
debug::InMemoryLog& log();

// A new folder in the test process's own home.
QString freshFolder(const QString& purpose);

// Writes a file whole, as a swap of the old one, with the folders it needs.
bool writeFile(const QString& path, const QByteArray& contents);

// Runs the Qt event loop until `done` holds or `timeoutMs` passes; returns
// whether it holds. For events from outside the process, never simulated time.
bool processEventsUntil(const std::function<bool()>& done, int timeoutMs = 10000);

} // namespace testing_support
