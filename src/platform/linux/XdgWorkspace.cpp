// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/XdgWorkspace.h"

#include "platform/MainQueue.h"
#include "platform/linux/DesktopEntry.h"
#include "platform/linux/XdgUrlSchemes.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace platform::xdg {

bool XdgWorkspace::openUrl(const QUrl& url) {
    return hasOpener(url) && QDesktopServices::openUrl(url);
}

// Inside a sandbox the desktop portal decides, out of our sight; a browser
// named in $BROWSER takes web pages whatever the associations say.
bool XdgWorkspace::hasOpener(const QUrl& url) const {
    if (QFile::exists(QStringLiteral("/.flatpak-info")))
        return true;
    if (url.isLocalFile())
        return handlers_.hasHandlerForType(
            QMimeDatabase().mimeTypeForFile(url.toLocalFile()).name());
    const QString scheme = url.scheme().toLower();
    if ((scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
        !qEnvironmentVariableIsEmpty("BROWSER"))
        return true;
    return handlers_.hasHandler(scheme);
}

void XdgWorkspace::launchNewInstance(const QString& location, Completion completion) {
    const auto outcome = startProgram(location, {QString::fromLatin1(newInstanceArgument)});
    queue_.async([completion = std::move(completion), outcome] { completion(outcome); });
}

std::optional<QString> XdgWorkspace::applicationLocation(const QString& identifier) const {
    const QString entry = QStandardPaths::locate(QStandardPaths::ApplicationsLocation,
                                                 identifier + QLatin1String(".desktop"));
    QFile file(entry);
    if (entry.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const auto keys = parseDesktopEntryMainGroup(file.read(64 * 1024));
    return keys ? desktopEntryProgram(*keys) : std::nullopt;
}

std::optional<Error> XdgWorkspace::startProgram(const QString& program,
                                                const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (process.startDetached())
        return std::nullopt;
    const QString reason = process.errorString();
    return Error::failure(
        QCoreApplication::translate("XdgWorkspace", "Could not start %1: %2").arg(program, reason));
}

} // namespace platform::xdg
