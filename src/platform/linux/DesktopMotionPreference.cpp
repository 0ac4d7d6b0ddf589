// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/DesktopMotionPreference.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace platform::xdg {

namespace {

const MotionSetting appearance{QStringLiteral("org.freedesktop.appearance"),
                               QStringLiteral("reduced-motion")};
const MotionSetting gnome{QStringLiteral("org.gnome.desktop.interface"),
                          QStringLiteral("enable-animations")};
const MotionSetting kde{QStringLiteral("org.kde.kdeglobals.KDE"),
                        QStringLiteral("AnimationDurationFactor")};

// The portal wraps the value in one variant more than the method says.
QVariant unwrapped(QVariant value) {
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

std::optional<QVariant> readPortal(const MotionSetting& setting) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"),
        QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("Read"));
    call << setting.group << setting.key;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 1000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return unwrapped(reply.arguments().first());
}

std::optional<QVariant> readGsettings(const MotionSetting& setting) {
    if (QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty())
        return std::nullopt;
    QProcess gsettings;
    gsettings.start(QStringLiteral("gsettings"),
                    {QStringLiteral("get"), setting.group, setting.key});
    if (!gsettings.waitForFinished(1000) || gsettings.exitCode() != 0)
        return std::nullopt;
    return QVariant(QString::fromUtf8(gsettings.readAllStandardOutput()).trimmed());
}

std::optional<QVariant> readKdeglobals(const MotionSetting&) {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/kdeglobals");
    const QSettings kdeglobals(path, QSettings::IniFormat);
    const QVariant factor = kdeglobals.value(QStringLiteral("KDE/AnimationDurationFactor"));
    return factor.isValid() ? std::optional<QVariant>(factor) : std::nullopt;
}

std::optional<QVariant> readDirectly(const MotionSetting& setting) {
    if (setting.group == gnome.group)
        return readGsettings(setting);
    if (setting.group == kde.group)
        return readKdeglobals(setting);
    return std::nullopt;
}

} // namespace

DesktopMotionPreference::DesktopMotionPreference()
    : DesktopMotionPreference(readPortal, readDirectly) {}

const QList<MotionSetting>& DesktopMotionPreference::settings() {
    static const QList<MotionSetting> all{appearance, gnome, kde};
    return all;
}

bool DesktopMotionPreference::meansReducedMotion(const MotionSetting& setting,
                                                 const QVariant& value) {
    if (setting.group == appearance.group)
        return value.toUInt() == 1; // 0 no preference, 1 reduced motion
    if (setting.group == gnome.group)
        return value.toString() == QLatin1String("false") ||
               (value.typeId() == QMetaType::Bool && !value.toBool());
    bool isNumber = false;
    const double factor = value.toString().toDouble(&isNumber);
    return isNumber && factor == 0.0;
}

// Any setting that asks for less motion is heeded. Where the portal answers
// at all, it speaks for the desktop; only without it are the desktops'
// own settings read.
bool DesktopMotionPreference::reducesMotion() const {
    bool portalAnswered = false;
    for (const MotionSetting& setting : settings()) {
        const std::optional<QVariant> value = portal_(setting);
        portalAnswered = portalAnswered || value.has_value();
        if (value && meansReducedMotion(setting, *value))
            return true;
    }
    if (portalAnswered)
        return false;
    return std::any_of(settings().cbegin(), settings().cend(),
                       [this](const MotionSetting& setting) {
                           const std::optional<QVariant> value = fallback_(setting);
                           return value && meansReducedMotion(setting, *value);
                       });
}

} // namespace platform::xdg
