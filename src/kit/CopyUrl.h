// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "platform/Pasteboard.h"

#include <QUrl>

namespace kit {

// The clipboard item for `url`: a list of one URI for programs that take
// addresses, and text for those that take text (a file's path; an e-mail
// address without its "mailto:"), marked with the application it came from.
QMap<QString, QByteArray> pasteboardItem(const QUrl& url, const QString& sourceAppId);

// Puts `url` on the clipboard, replacing what was there.
void copyUrl(platform::Pasteboard& pasteboard, const QUrl& url, const QString& sourceAppId);

} // namespace kit
