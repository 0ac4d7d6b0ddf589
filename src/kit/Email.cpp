// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/Email.h"

#include "kit/ErrorLog.h"
#include "kit/JXKit.h"
#include "kit/Mailto.h"
#include "platform/Mail.h"
#include "platform/Workspace.h"

#include <QDir>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryDir>

namespace kit {

namespace {

// The file stays after this process ends: the mail program reads it later.
std::optional<QString> writeAttachment(const TextAttachment& attachment) {
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/gapsel-mail-XXXXXX"));
    if (!folder.isValid())
        return std::nullopt;
    folder.setAutoRemove(false);
    const QString path = folder.filePath(attachment.fileName);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(attachment.text.toUtf8()) < 0 ||
        !file.commit())
        return std::nullopt;
    return path;
}

bool composeWithAttachment(platform::Mail& mail, const QList<EmailAddress>& recipients,
                           const QString& subject, const std::optional<QString>& body,
                           const TextAttachment& attachment) {
    if (!mail.takesAttachments())
        return false;
    const auto path = writeAttachment(attachment);
    if (!path)
        return false;
    QStringList addresses;
    for (const EmailAddress& recipient : recipients)
        addresses.append(recipient.text());
    const auto error = mail.compose({addresses, subject, body, *path});
    if (error)
        logError(*error);
    return !error;
}

} // namespace

void sendEmail(platform::Platform platform, const QList<EmailAddress>& recipients,
               const QString& subject, const std::optional<QString>& body,
               const TextAttachment& attachment) {
    if (composeWithAttachment(platform.mail, recipients, subject, body, attachment))
        return;
    platform.workspace.openUrl(mailtoURL(
        recipients, subject, bodyWithInlineAttachment(body, attachment.fileName, attachment.text)));
}

} // namespace kit

namespace JXApp {
void sendEmail(const QList<kit::EmailAddress>& recipients, const QString& subject,
               const std::optional<QString>& body, const kit::TextAttachment& attachment) {
    kit::sendEmail(JXKit::shared().platform(), recipients, subject, body, attachment);
}
} // namespace JXApp
