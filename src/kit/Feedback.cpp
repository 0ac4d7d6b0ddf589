// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/Feedback.h"

#include "kit/ErrorLog.h"
#include "kit/JXKit.h"
#include "kit/MakerContact.h"
#include "kit/OpenUrl.h"
#include "kit/QueryEncoding.h"
#include "platform/DeviceFacts.h"
#include "platform/MainQueue.h"
#include "platform/TrayHosts.h"

#include <QDateTime>
#include <QUuid>

namespace kit {

namespace {

QString hostKindName(platform::TrayHostKind kind) {
    using platform::TrayHostKind;
    switch (kind) {
    case TrayHostKind::Unknown:
        return QStringLiteral("unknown");
    case TrayHostKind::DraggableMenuBar:
        return QStringLiteral("menu bar");
    case TrayHostKind::Xfce:
        return QStringLiteral("XFCE");
    case TrayHostKind::Plasma:
        return QStringLiteral("KDE Plasma");
    case TrayHostKind::Gnome:
        return QStringLiteral("GNOME");
    case TrayHostKind::Lxqt:
        return QStringLiteral("LXQt");
    case TrayHostKind::Waybar:
        return QStringLiteral("Waybar");
    case TrayHostKind::Cinnamon:
        return QStringLiteral("Cinnamon");
    case TrayHostKind::Mate:
        return QStringLiteral("MATE");
    case TrayHostKind::Budgie:
        return QStringLiteral("Budgie");
    case TrayHostKind::XEmbedTray:
        return QStringLiteral("XEmbed tray");
    }
    return QStringLiteral("unknown");
}

QString describeHosts(const QList<platform::TrayHost>& hosts) {
    QStringList names;
    for (const platform::TrayHost& host : hosts)
        names.append(host.process.isEmpty()
                         ? hostKindName(host.kind)
                         : hostKindName(host.kind) + QStringLiteral(" ") + host.process);
    return names.isEmpty() ? QStringLiteral("<None>") : names.join(QStringLiteral(", "));
}

QString describeValue(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::QDateTime:
        return value.toDateTime().toUTC().toString(Qt::ISODate);
    case QMetaType::QByteArray:
        return QLatin1Char('<') + QString::fromLatin1(value.toByteArray().toHex()) +
               QLatin1Char('>');
    case QMetaType::QVariantList: {
        QStringList items;
        for (const QVariant& item : value.toList())
            items.append(describeValue(item));
        return QLatin1Char('[') + items.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    case QMetaType::QVariantMap: {
        QStringList entries;
        const QVariantMap map = value.toMap();
        for (auto entry = map.cbegin(); entry != map.cend(); ++entry)
            entries.append(entry.key() + QStringLiteral(": ") + describeValue(entry.value()));
        return QLatin1Char('{') + entries.join(QStringLiteral(", ")) + QLatin1Char('}');
    }
    default:
        return value.toString();
    }
}

QList<QPair<QString, QString>> storedSettings(const UserDefaults& defaults) {
    QList<QPair<QString, QString>> settings;
    const QVariantMap stored = defaults.persistentDomain();
    for (auto entry = stored.cbegin(); entry != stored.cend(); ++entry)
        settings.append({entry.key(), describeValue(entry.value())});
    return settings;
}

platform::DeviceDescription describeDevice(const platform::DeviceFacts& facts) {
    platform::DeviceDescription device = facts.describe();
    if (!device.availableBytes)
        logError(platform::Error::failure(
            QStringLiteral("Could not read the memory available on this machine")));
    // A layout without an identifier still needs one that tells reports apart.
    if (device.keyboard && !device.keyboard->identifier)
        device.keyboard->identifier = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    return device;
}

} // namespace

DebugReport gatherDebugReport(const JXKit& kit) {
    const platform::Platform platform = kit.platform();
    const AppIdentity& identity = kit.identity();
    return DebugReport{
        .appName = identity.name(),
        .versionWithBuild = identity.versionWithBuild(),
        .bundleIdentifier = identity.id(),
        .launchCount = kit.launchCount(),
        .runningSeconds = kit.launchDate().secsTo(platform.mainQueue.now()),
        .isInstalledFromAppStore = identity.isInstalledFromAppStore(),
        .packaging = identity.packaging(),
        .device = describeDevice(platform.deviceFacts),
        .trayHosts = describeHosts(platform.trayHosts.hosts()),
        .settings = storedSettings(*kit.defaults()),
        .logLines = kit.log().lines(),
    };
}

QUrl feedbackURL(const JXKit& kit, const std::optional<QString>& message,
                 const std::optional<QString>& extraInfo) {
    QueryItems items{{QStringLiteral("product"), kit.identity().name()},
                     {QStringLiteral("metadata"), debugMetadataText(gatherDebugReport(kit))}};
    if (message)
        items.append({QStringLiteral("messageField"), *message});
    if (extraInfo)
        items.append({QStringLiteral("extraInfo"), *extraInfo});
    const QString page = feedbackPage().toString(QUrl::FullyEncoded);
    return QUrl::fromEncoded((page + QLatin1Char('?') + queryText(items)).toLatin1(),
                             QUrl::StrictMode);
}

void sendFeedback(const JXKit& kit) {
    openUrlOrTell(kit.platform(), feedbackURL(kit));
}

} // namespace kit

namespace JXApp {
QString debugInfo() {
    return kit::debugInfoText(kit::gatherDebugReport(JXKit::shared()));
}
QString debugMetadata() {
    return kit::debugMetadataText(kit::gatherDebugReport(JXKit::shared()));
}
QUrl feedbackURL(const std::optional<QString>& message, const std::optional<QString>& extraInfo) {
    return kit::feedbackURL(JXKit::shared(), message, extraInfo);
}
void sendFeedback() {
    kit::sendFeedback(JXKit::shared());
}
} // namespace JXApp
