// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace platform {

// Types under which data goes on the clipboard: MIME types, and the marker
// that names the application the data came from (clipboard managers read it).
struct PasteboardType {
    static constexpr char plainText[] = "text/plain";
    static constexpr char uriList[] = "text/uri-list";
    static constexpr char source[] = "org.nspasteboard.source";
};

// The desktop's clipboard.
class Pasteboard {
public:
    virtual ~Pasteboard() = default;

    // Replaces what the clipboard holds by `dataByType`: one piece of data per
    // type, all of them describing the same thing. Text goes as UTF-8.
    virtual void setContents(const QMap<QString, QByteArray>& dataByType) = 0;

    // Plain text, marked with the application it came from.
    void setText(const QString& text, const QString& sourceAppId) {
        setContents({{QString::fromLatin1(PasteboardType::plainText), text.toUtf8()},
                     {QString::fromLatin1(PasteboardType::source), sourceAppId.toUtf8()}});
    }
};

} // namespace platform
