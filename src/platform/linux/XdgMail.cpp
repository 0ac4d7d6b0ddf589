// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/XdgMail.h"

#include <QProcess>
#include <QStandardPaths>

namespace platform::xdg {

namespace {

QString xdgEmail() {
    return QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
}

QString mailtoHandler() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished();
        return {};
    }
    return QString::fromUtf8(query.readAllStandardOutput()).trimmed();
}

} // namespace

bool XdgMail::handlerTakesAttachments(const QString& desktopEntry) {
    static const char* const programs[] = {"thunderbird", "icedove",    "evolution",
                                           "kmail",       "claws-mail", "seamonkey"};
    const QString entry = desktopEntry.toLower();
    for (const char* program : programs)
        if (entry.contains(QLatin1String(program)))
            return true;
    return false;
}

bool XdgMail::takesAttachments() const {
    return !xdgEmail().isEmpty() && handlerTakesAttachments(mailtoHandler());
}

std::optional<Error> XdgMail::compose(const MailMessage& message) {
    QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"), message.subject};
    if (message.body)
        arguments << QStringLiteral("--body") << *message.body;
    arguments << QStringLiteral("--attach") << message.attachmentPath;
    arguments << message.recipients;
    if (QProcess::startDetached(xdgEmail(), arguments))
        return std::nullopt;
    return Error::failure(QStringLiteral("Could not start xdg-email"));
}

} // namespace platform::xdg
