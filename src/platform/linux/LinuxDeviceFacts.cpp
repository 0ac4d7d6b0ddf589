// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "platform/linux/LinuxDeviceFacts.h"

#include "platform/linux/XkbLayout.h"

#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSysInfo>

#include <sys/utsname.h>

namespace platform::xdg {

namespace {

QByteArray readSmallFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(64 * 1024);
}

std::optional<QString> environmentValue(const char* name) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? std::nullopt : std::optional(value);
}

// Firmware of virtual machines and boards leaves these blank or absent.
std::optional<QString> model() {
    const QString vendor =
        QString::fromUtf8(readSmallFile(QStringLiteral("/sys/class/dmi/id/sys_vendor"))).trimmed();
    const QString product =
        QString::fromUtf8(readSmallFile(QStringLiteral("/sys/class/dmi/id/product_name")))
            .trimmed();
    const QString both = (vendor + QLatin1Char(' ') + product).trimmed();
    return both.isEmpty() ? std::nullopt : std::optional(both);
}

QString architecture() {
    utsname names{};
    if (uname(&names) != 0)
        return QStringLiteral("unknown");
    const QString machine = QString::fromLatin1(names.machine).trimmed();
    return machine.isEmpty() ? QStringLiteral("unknown") : machine;
}

std::optional<QString> languageName(const QLocale& locale) {
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return std::nullopt;
    return QLocale::languageToString(locale.language());
}

std::optional<QString> kernel() {
    const QString version = QSysInfo::kernelVersion();
    if (version.isEmpty())
        return std::nullopt;
    QString type = QSysInfo::kernelType();
    if (!type.isEmpty())
        type[0] = type[0].toUpper();
    return type + QLatin1Char(' ') + version;
}

} // namespace

std::optional<qint64> procKilobytesField(const QByteArray& contents, const QByteArray& field) {
    for (const QByteArray& line : contents.split('\n')) {
        if (!line.startsWith(field + ':'))
            continue;
        const QList<QByteArray> words = line.mid(field.size() + 1).simplified().split(' ');
        bool isNumber = false;
        const qint64 kilobytes = words.value(0).toLongLong(&isNumber);
        if (isNumber && words.value(1) == "kB")
            return kilobytes * 1024;
    }
    return std::nullopt;
}

DeviceDescription LinuxDeviceFacts::describe() const {
    const QLocale locale = QLocale::system();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return DeviceDescription{
        .systemName = QSysInfo::prettyProductName(),
        .systemBuild = kernel(),
        .model = model(),
        .architecture = architecture(),
        .residentBytes =
            procKilobytesField(readSmallFile(QStringLiteral("/proc/self/status")), "VmRSS"),
        .availableBytes =
            procKilobytesField(readSmallFile(QStringLiteral("/proc/meminfo")), "MemAvailable"),
        .localeIdentifier = locale.name(),
        .languageName = languageName(locale),
        .screenCount = static_cast<int>(QGuiApplication::screens().size()),
        .primaryScreenScale = screen ? screen->devicePixelRatio() : 1.0,
        .keyboard = currentXkbLayout(),
        .desktopName = environmentValue("XDG_CURRENT_DESKTOP"),
        .sessionType = environmentValue("XDG_SESSION_TYPE"),
        .windowSystem = QGuiApplication::platformName(),
    };
}

} // namespace platform::xdg
