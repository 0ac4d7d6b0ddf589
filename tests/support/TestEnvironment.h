// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

#include <functional>

namespace testing_support {

// The temporary folder that stands in for the user's home during this test
// process: XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CACHE_HOME, XDG_STATE_HOME and
// HOME point at or below it (set by isolateUserFolders(), which the test mains
// call before anything reads them), so no test touches the real user's files.
QString testHome();
void isolateUserFolders();

// A fresh, empty folder below testHome() for one test.
QString freshFolder(const QString& purpose);

// Runs the Qt event loop until `done` holds or `timeoutMs` passes; returns
// whether it holds. For events that come from outside the process (a file
// changed by a child process), never for simulated time.
bool processEventsUntil(const std::function<bool()>& done, int timeoutMs = 10000);

} // namespace testing_support
