// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/Mailto.h"

#include "kit/ErrorLog.h"
#include "kit/QueryEncoding.h"

#include <QStringList>

namespace kit {

namespace {

QString joined(const QList<EmailAddress>& addresses) {
    QStringList texts;
    for (const EmailAddress& address : addresses)
        texts.append(address.text());
    return texts.join(QLatin1Char(','));
}

// The addresses as a mailto: path: "@" and the separating "," stay; "%",
// "/", "?" and "#", which a local part may hold, are encoded.
QString encodedPath(const QList<EmailAddress>& addresses) {
    return QString::fromLatin1(QUrl::toPercentEncoding(joined(addresses), "@,!$'*+=&"));
}

} // namespace

QUrl mailtoURL(const QList<EmailAddress>& recipients, const std::optional<QString>& subject,
               const std::optional<QString>& body, const QList<EmailAddress>& cc,
               const QList<EmailAddress>& bcc) {
    QueryItems items;
    if (subject)
        items.append({QStringLiteral("subject"), *subject});
    if (body)
        items.append({QStringLiteral("body"), *body});
    if (!cc.isEmpty())
        items.append({QStringLiteral("cc"), joined(cc)});
    if (!bcc.isEmpty())
        items.append({QStringLiteral("bcc"), joined(bcc)});
    QString text = QStringLiteral("mailto:") + encodedPath(recipients);
    if (!items.isEmpty())
        text += QLatin1Char('?') + queryText(items);
    const QUrl url = QUrl::fromEncoded(text.toLatin1(), QUrl::StrictMode);
    if (url.isValid())
        return url;
    logError(platform::Error::failure(QStringLiteral("Could not create `mailto:` URL")));
    return QUrl(QStringLiteral("mailto:"));
}

QString bodyWithInlineAttachment(const std::optional<QString>& body, const QString& fileName,
                                 const QString& text) {
    return body.value_or(QString()) + QStringLiteral("\n\n\n\n") + fileName + QLatin1Char('\n') +
           QString(30, QLatin1Char('-')) + QStringLiteral("\n\n") + text;
}

} // namespace kit
