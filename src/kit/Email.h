// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/EmailAddress.h"
#include "platform/Alerts.h"
#include "platform/Platform.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace kit {

// A text file to go with an e-mail.
struct TextAttachment {
    QString fileName;
    QString text;
};

// Hands a message with one text file to the user's mail program: as an
// attachment where the mail program takes one (the file is written to a new
// temporary folder), else as a mailto: link with the text inline in the body.
// When no mail program opens the link, the user is told and may copy the text.
void sendEmail(platform::Platform platform, const QList<EmailAddress>& recipients,
               const QString& subject, const std::optional<QString>& body,
               const TextAttachment& attachment);

// A mailto: link reaches the mail program as one command-line argument,
// which Linux takes up to 128 KiB long; mail programs in between take less.
inline constexpr qsizetype maximumMailtoLength = 64 * 1024;

// The mailto: link with the text inline, at most maximumMailtoLength long:
// where the whole text does not fit, its newest lines that do, after a line
// saying how many were left out.
QUrl inlineMailto(const QList<EmailAddress>& recipients, const QString& subject,
                  const std::optional<QString>& body, const TextAttachment& attachment);

// The question when no mail program took the message: copy the text instead?
platform::Alert noMailProgramAlert(const QList<EmailAddress>& recipients);

} // namespace kit

namespace JXApp {
// sendEmail() on the running application's desktop.
void sendEmail(const QList<kit::EmailAddress>& recipients, const QString& subject,
               const std::optional<QString>& body, const kit::TextAttachment& attachment);
} // namespace JXApp
