// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/SandboxFacts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace platform::xdg {

namespace {

// The remote a Flatpak deployment came from. Its "deploy" file, beside the
// deployed "files" folder, is a serialised tuple whose first member is the
// origin, a NUL-terminated string at its very start.
QString flatpakOrigin(const QString& root, const QString& flatpakInfo) {
    const QSettings info(flatpakInfo, QSettings::IniFormat);
    const QString appPath = info.value(QStringLiteral("Instance/app-path")).toString();
    if (appPath.isEmpty())
        return {};
    QFile deploy(QDir(root).filePath(QFileInfo(appPath).path().mid(1) + QStringLiteral("/deploy")));
    if (!deploy.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = deploy.read(256);
    const qsizetype end = head.indexOf('\0');
    return end > 0 ? QString::fromUtf8(head.left(end)) : QString();
}

} // namespace

SandboxFacts readSandboxFacts(const QString& root, const std::function<bool(const char*)>& isSet) {
    const QString flatpakInfo = QDir(root).filePath(QStringLiteral(".flatpak-info"));
    const bool isFlatpak = QFileInfo::exists(flatpakInfo) || isSet("FLATPAK_ID");
    const bool isSnap = isSet("SNAP");
    const bool fromFlathub = isFlatpak && QFileInfo::exists(flatpakInfo) &&
                             flatpakOrigin(root, flatpakInfo) == QStringLiteral("flathub");
    return SandboxFacts{isFlatpak || isSnap, fromFlathub};
}

} // namespace platform::xdg
