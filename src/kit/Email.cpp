// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/Email.h"

#include "kit/ErrorLog.h"
#include "kit/JXKit.h"
#include "kit/Mailto.h"
#include "platform/Alerts.h"
#include "platform/BundleInfo.h"
#include "platform/Mail.h"
#include "platform/Pasteboard.h"
#include "platform/Workspace.h"

#include <QCoreApplication>
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
    if (platform.workspace.openUrl(inlineMailto(recipients, subject, body, attachment)))
        return;
    logError(platform::Error::failure(QStringLiteral("No mail program opened the message")));
    if (platform.alerts.run(noMailProgramAlert(recipients)).buttonIndex() == 0)
        platform.pasteboard.setText(attachment.text, platform.bundle.identifier);
}

QUrl inlineMailto(const QList<EmailAddress>& recipients, const QString& subject,
                  const std::optional<QString>& body, const TextAttachment& attachment) {
    const auto urlWith = [&](const QString& text) {
        return mailtoURL(recipients, subject,
                         bodyWithInlineAttachment(body, attachment.fileName, text));
    };
    QUrl url = urlWith(attachment.text);
    if (url.toEncoded().size() <= maximumMailtoLength)
        return url;
    // The fewest oldest lines whose leaving out lets the rest fit.
    const QStringList lines = attachment.text.split(QLatin1Char('\n'));
    const auto withNewest = [&](qsizetype kept) {
        const qsizetype leftOut = lines.size() - kept;
        return QCoreApplication::translate("Email", "(The text is too long for an email link: its "
                                                    "oldest %1 of %2 lines were left out.)")
                   .arg(leftOut)
                   .arg(lines.size()) +
               QLatin1Char('\n') + lines.sliced(leftOut).join(QLatin1Char('\n'));
    };
    qsizetype fits = 0, tooMany = lines.size();
    while (tooMany - fits > 1) {
        const qsizetype kept = fits + (tooMany - fits) / 2;
        if (urlWith(withNewest(kept)).toEncoded().size() <= maximumMailtoLength)
            fits = kept;
        else
            tooMany = kept;
    }
    return urlWith(withNewest(fits));
}

platform::Alert noMailProgramAlert(const QList<EmailAddress>& recipients) {
    QStringList addresses;
    for (const EmailAddress& recipient : recipients)
        addresses.append(recipient.text());
    platform::Alert alert;
    alert.message = QCoreApplication::translate("Email", "No mail program could be opened");
    alert.informativeText =
        QCoreApplication::translate("Email",
                                    "Copy the text and paste it into a message to %1 in the mail "
                                    "program you use.")
            .arg(addresses.join(QStringLiteral(", ")));
    alert.buttons = {QCoreApplication::translate("Email", "Copy Text"),
                     QCoreApplication::translate("Email", "Cancel")};
    return alert;
}

} // namespace kit

namespace JXApp {
void sendEmail(const QList<kit::EmailAddress>& recipients, const QString& subject,
               const std::optional<QString>& body, const kit::TextAttachment& attachment) {
    kit::sendEmail(JXKit::shared().platform(), recipients, subject, body, attachment);
}
} // namespace JXApp
