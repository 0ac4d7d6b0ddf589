// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace platform {

// Types under which data goes on the clipboard: MIME types, and the marker
// that names the application the data came from (clipboard managers read it).
namespace pasteboardType {
inline constexpr char plainText[] = "text/plain";
inline constexpr char uriList[] = "text/uri-list";
inline constexpr char source[] = "org.nspasteboard.source";
} // namespace pasteboardType

// The desktop's clipboard.
class Pasteboard {
public:
    virtual ~Pasteboard() = default;

    // Replaces what the clipboard holds by `dataByType`: one piece of data per
    // type, all of them describing the same thing. Text goes as UTF-8.
    virtual void setContents(const QMap<QString, QByteArray>& dataByType) = 0;
};

} // namespace platform
