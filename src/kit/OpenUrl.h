// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QUrl>

namespace platform {
class Alerts;
class Workspace;
} // namespace platform

namespace kit {

// Opens `url` with the desktop's preferred application. An address that
// nothing on this desktop opens is never dropped silently: it goes to the
// error log and the user is told. Returns whether the URL was opened.
bool openUrlOrTell(platform::Workspace& workspace, platform::Alerts& alerts, const QUrl& url);

} // namespace kit
