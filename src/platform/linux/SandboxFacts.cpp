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

// A strictly confined Snap runs under the enforced AppArmor profile
// "snap.<name>.<app>"; classic and development-mode snaps are not confined.
// Kernels that stack security modules give AppArmor's view a file of its own.
bool isConfinedSnap(const QString& root) {
    for (const char* label : {"proc/self/attr/apparmor/current", "proc/self/attr/current"}) {
        QFile file(QDir(root).filePath(QString::fromLatin1(label)));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QByteArray profile = file.read(512);
        if (const qsizetype end = profile.indexOf('\0'); end >= 0)
            profile.truncate(end);
        profile = profile.trimmed();
        if (!profile.isEmpty())
            return profile.startsWith("snap.") && profile.endsWith(" (enforce)");
    }
    return false;
}

} // namespace

SandboxFacts readSandboxFacts(const QString& root) {
    const QString flatpakInfo = QDir(root).filePath(QStringLiteral(".flatpak-info"));
    const bool isFlatpak = QFileInfo::exists(flatpakInfo);
    const bool fromFlathub =
        isFlatpak && flatpakOrigin(root, flatpakInfo) == QStringLiteral("flathub");
    const bool isSnap = !isFlatpak && isConfinedSnap(root);
    const QString packaging = fromFlathub ? QStringLiteral("Flatpak from Flathub")
                              : isFlatpak ? QStringLiteral("Flatpak")
                              : isSnap    ? QStringLiteral("Snap")
                                          : QStringLiteral("none");
    return SandboxFacts{isFlatpak || isSnap, fromFlathub, packaging};
}

} // namespace platform::xdg
