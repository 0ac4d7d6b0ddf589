// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Alerts.h"
#include "platform/Platform.h"

#include <QUrl>

namespace kit {

// The alert for an address that nothing on this desktop opens: it names the
// web page, folder or mail address, and its first button copies `copied`.
platform::Alert unopenedUrlAlert(const QUrl& url, const QUrl& copied);

// Opens `url` (a web page, a folder, a mail address) with the desktop's
// preferred application. Every address the program opens goes through here, so
// none that nothing opens is dropped silently: it goes to the error log and
// the user is told, with a way to copy it, or `copied` when given (the link
// an e-mail would have carried). Returns whether the URL was opened.
bool openUrlOrTell(platform::Platform platform, const QUrl& url, const QUrl& copied = {});

} // namespace kit
