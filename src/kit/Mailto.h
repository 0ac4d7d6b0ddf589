// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/EmailAddress.h"

#include <QList>
#include <QUrl>

#include <optional>

namespace kit {

// A mailto: URL (RFC 6068): the recipients joined by ",", then, each only
// when given and in this order, "subject", "body", "cc" and "bcc", names and
// values percent-encoded as queryText() does. Should no URL come of it, the
// error log says so and the bare "mailto:" is returned.
QUrl mailtoURL(const QList<EmailAddress>& recipients, const std::optional<QString>& subject = {},
               const std::optional<QString>& body = {}, const QList<EmailAddress>& cc = {},
               const QList<EmailAddress>& bcc = {});

// The body of a message that carries a text file inline where the mail
// program cannot take it as an attachment: the body (if any), four line
// feeds, the file's name, a line feed, 30 hyphens, two line feeds, the text.
QString bodyWithInlineAttachment(const std::optional<QString>& body, const QString& fileName,
                                 const QString& text);

} // namespace kit
