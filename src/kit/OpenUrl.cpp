// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/OpenUrl.h"

#include "kit/CopyUrl.h"
#include "kit/QuotedText.h"
#include "kit/ErrorLog.h"
#include "platform/BundleInfo.h"
#include "platform/Workspace.h"

#include <QCoreApplication>

namespace kit {

namespace {

bool isMailAddress(const QUrl& url) {
    return url.scheme() == QLatin1String("mailto");
}

} // namespace

platform::Alert unopenedUrlAlert(const QUrl& url, const QUrl& copied) {
    platform::Alert alert;
    alert.style = platform::AlertStyle::Warning;
    if (url.isLocalFile()) {
        alert.message = QCoreApplication::translate("OpenUrl", "No file manager opened %1")
                            .arg(quoted(url.toLocalFile()));
        alert.informativeText = QCoreApplication::translate(
            "OpenUrl", "Install a file manager, or copy the path and open the folder yourself.");
    } else if (isMailAddress(url)) {
        alert.message =
            url.path().isEmpty()
                ? QCoreApplication::translate("OpenUrl", "No mail program opened a new message")
                : QCoreApplication::translate("OpenUrl", "No mail program opened a message to %1")
                      .arg(quoted(url.path()));
        alert.informativeText = QCoreApplication::translate(
            "OpenUrl", "Install a mail program, or copy the text below and use another one.");
    } else {
        // A query (the feedback page's) would bury the address in data.
        alert.message = QCoreApplication::translate("OpenUrl", "No web browser opened %1")
                            .arg(quoted(url.toString(QUrl::RemoveQuery)));
        alert.informativeText = QCoreApplication::translate(
            "OpenUrl", "Install a web browser, or copy the link and open it in one.");
    }
    if (copied.isLocalFile())
        alert.buttons = {QCoreApplication::translate("OpenUrl", "Copy Path")};
    else if (isMailAddress(copied))
        alert.buttons = {QCoreApplication::translate("OpenUrl", "Copy Address")};
    else
        alert.buttons = {QCoreApplication::translate("OpenUrl", "Copy Link")};
    alert.buttons.append(QCoreApplication::translate("OpenUrl", "OK"));
    return alert;
}

bool openUrlOrTell(platform::Platform platform, const QUrl& url, const QUrl& copied) {
    if (platform.workspace.openUrl(url))
        return true;
    const QString address = url.toString();
    logError(
        platform::Error::failure(
            QStringLiteral("No application on this desktop opens \u201c%1\u201d.").arg(address)),
        {{QStringLiteral("url"), address}});
    const QUrl toCopy = copied.isEmpty() ? url : copied;
    if (platform.alerts.run(unopenedUrlAlert(url, toCopy)).buttonIndex() == 0)
        copyUrl(platform.pasteboard, toCopy, platform.bundle.identifier);
    return false;
}

} // namespace kit
