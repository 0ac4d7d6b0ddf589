// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include "kit/EmailAddress.h"
#include "platform/Platform.h"

#include <QList>
#include <QString>

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
void sendEmail(platform::Platform platform, const QList<EmailAddress>& recipients,
               const QString& subject, const std::optional<QString>& body,
               const TextAttachment& attachment);

} // namespace kit

namespace JXApp {
// sendEmail() on the running application's desktop.
void sendEmail(const QList<kit::EmailAddress>& recipients, const QString& subject,
               const std::optional<QString>& body, const kit::TextAttachment& attachment);
} // namespace JXApp
