// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QString>

#include <functional>

namespace testing_support {

// The temporary folder that stands in for the user's home during this test
// process; isolateUserFolders(), called by the test mains before anything reads
// them, points HOME and the XDG folders at or below it.
QString testHome();
void isolateUserFolders();

QString freshFolder(const QString& purpose);

// Runs the Qt event loop until `done` holds or `timeoutMs` passes; returns
// whether it holds. For events from outside the process, never simulated time.
bool processEventsUntil(const std::function<bool()>& done, int timeoutMs = 10000);

} // namespace testing_support
