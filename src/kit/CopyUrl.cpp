// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/CopyUrl.h"

namespace kit {

namespace {

QString textOf(const QUrl& url) {
    if (url.isLocalFile())
        return url.toLocalFile();
    const QString address = QString::fromUtf8(url.toEncoded());
    const QString mailto = QStringLiteral("mailto:");
    return address.startsWith(mailto) ? address.mid(mailto.size()) : address;
}

} // namespace

QMap<QString, QByteArray> pasteboardItem(const QUrl& url, const QString& sourceAppId) {
    using platform::PasteboardType;
    return {
        {QString::fromLatin1(PasteboardType::uriList), url.toEncoded() + "\r\n"},
        {QString::fromLatin1(PasteboardType::plainText), textOf(url).toUtf8()},
        {QString::fromLatin1(PasteboardType::source), sourceAppId.toUtf8()},
    };
}

void copyUrl(platform::Pasteboard& pasteboard, const QUrl& url, const QString& sourceAppId) {
    pasteboard.setContents(pasteboardItem(url, sourceAppId));
}

} // namespace kit
