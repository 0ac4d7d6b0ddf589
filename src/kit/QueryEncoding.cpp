// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/QueryEncoding.h"

#include <QStringList>
#include <QUrl>

namespace kit {

QString percentEncoded(const QString& text) {
    // Qt leaves exactly the unreserved characters of RFC 3986 as they are.
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString queryText(const QueryItems& items) {
    QStringList pairs;
    for (const auto& [name, value] : items)
        pairs.append(percentEncoded(name) + QLatin1Char('=') + percentEncoded(value));
    return pairs.join(QLatin1Char('&'));
}

} // namespace kit
