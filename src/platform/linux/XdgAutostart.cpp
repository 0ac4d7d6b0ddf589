// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/XdgAutostart.h"

#include "platform/linux/DesktopEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace platform::xdg {

XdgAutostart::XdgAutostart(QString applicationId, QString applicationName, QString executable,
                           QStringList arguments)
    : applicationId_(std::move(applicationId))
    , applicationName_(std::move(applicationName))
    , executable_(std::move(executable))
    , launchedAtLogin_(arguments.contains(QLatin1String(loginLaunchArgument))) {}

QString XdgAutostart::entryPath() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + applicationId_ + QStringLiteral(".desktop");
}

QByteArray XdgAutostart::entryText() const {
    const QString exec =
        quoteExecArgument(executable_) + QLatin1Char(' ') + QLatin1String(loginLaunchArgument);
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Comment=Separators for the system tray\n"
                          "Exec=%2\n"
                          "Icon=%3\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(applicationName_, escapeDesktopEntryValue(exec), applicationId_)
        .toUtf8();
}

QString XdgAutostart::switchedOffDescription() const {
    return QStringLiteral("The autostart entry %1 is switched off (Hidden=true or "
                          "X-GNOME-Autostart-enabled=false)")
        .arg(entryPath());
}

LoginItemStatus XdgAutostart::status() {
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly))
        return LoginItemStatus::NotRegistered;
    // An entry edited into something unreadable counts as no entry; turning the
    // switch on replaces it.
    const auto keys = parseDesktopEntryMainGroup(file.read(64 * 1024));
    if (!keys || !keys->contains(QStringLiteral("Exec")))
        return LoginItemStatus::NotRegistered;
    if (keys->value(QStringLiteral("Hidden")) == QLatin1String("true") ||
        keys->value(QStringLiteral("X-GNOME-Autostart-enabled")) == QLatin1String("false"))
        return LoginItemStatus::RequiresApproval;
    const auto command = splitExecLine(keys->value(QStringLiteral("Exec")));
    if (!command || command->isEmpty())
        return LoginItemStatus::NotRegistered;
    return desktopEntryProgram(*keys) ? LoginItemStatus::Enabled : LoginItemStatus::NotFound;
}

std::optional<Error> XdgAutostart::registerApplication() {
    const QString path = entryPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return Error::failure(
            QCoreApplication::translate("XdgAutostart", "The folder %1 could not be created.")
                .arg(QFileInfo(path).absolutePath()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(entryText()) < 0 || !file.commit())
        return Error::failure(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return std::nullopt;
}

std::optional<Error> XdgAutostart::unregisterApplication() {
    QFile file(entryPath());
    if (!file.exists() || file.remove())
        return std::nullopt;
    return Error::failure(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
}

} // namespace platform::xdg
