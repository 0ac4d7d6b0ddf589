// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/DebugReport.h"

#include "kit/QuantityText.h"

namespace kit {

namespace {

const QString unknown = QStringLiteral("<Unknown>");

QString orUnknown(const std::optional<QString>& text) {
    return text.value_or(unknown);
}

QString boolText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// The lines that the document and the summary share, in order.
QList<QPair<QString, QString>> deviceLines(const DebugReport& report) {
    const platform::DeviceDescription& device = report.device;
    const QString keyboard =
        device.keyboard ? orUnknown(device.keyboard->name) + QStringLiteral(" (") +
                              device.keyboard->identifier.value_or(QString()) + QLatin1Char(')')
                        : unknown;
    return {
        {QStringLiteral("OS"), device.systemName + QStringLiteral(" (") +
                                   device.systemBuild.value_or(QStringLiteral("<Unknown build>")) +
                                   QLatin1Char(')')},
        {QStringLiteral("Model"), device.model.value_or(QStringLiteral("<Unknown model>"))},
        {QStringLiteral("Architecture"), device.architecture},
        {QStringLiteral("Locale"), device.localeIdentifier + QStringLiteral(" (") +
                                       orUnknown(device.languageName) + QLatin1Char(')')},
        {QStringLiteral("Screens"), QString::number(device.screenCount)},
        {QStringLiteral("Primary Screen Scale"),
         QString::number(static_cast<int>(device.primaryScreenScale))},
        {QStringLiteral("Keyboard"), keyboard},
        {QStringLiteral("Desktop"), orUnknown(device.desktopName) + QStringLiteral(" (tray: ") +
                                        report.trayHosts + QLatin1Char(')')},
        {QStringLiteral("Session"), orUnknown(device.sessionType) + QStringLiteral(" (") +
                                        device.windowSystem + QLatin1Char(')')},
    };
}

QString memoryUsage(const DebugReport& report) {
    return report.device.residentBytes ? memoryText(*report.device.residentBytes)
                                       : QStringLiteral("<Unavailable>");
}

QString availableMemory(const DebugReport& report) {
    return memoryText(report.device.availableBytes.value_or(0));
}

QString lines(const QList<QPair<QString, QString>>& entries) {
    QStringList result;
    for (const auto& [key, value] : entries)
        result.append(key + QStringLiteral(": ") + value);
    return result.join(QLatin1Char('\n'));
}

// The application's id, named as its platform names it.
QPair<QString, QString> idLine(const DebugReport& report) {
    return {report.packaging ? QStringLiteral("App ID") : QStringLiteral("Bundle Identifier"),
            report.bundleIdentifier};
}

// How it was installed: the platform's packaging, or whether the App Store
// installed it (under `appStoreKey`, which the two texts spell differently).
QPair<QString, QString> installationLine(const DebugReport& report, const QString& appStoreKey) {
    if (report.packaging)
        return {QStringLiteral("Package"), *report.packaging};
    return {appStoreKey, boolText(report.isInstalledFromAppStore)};
}

QString orEmpty(const QString& text) {
    return text.isEmpty() ? QStringLiteral("<Empty>") : text;
}

} // namespace

QString debugInfoText(const DebugReport& report) {
    const QList<QPair<QString, QString>> application{
        idLine(report),
        {QStringLiteral("Launch Count"), QString::number(report.launchCount)},
        {QStringLiteral("Running Time"), durationText(report.runningSeconds)},
        {QStringLiteral("Memory Usage"), memoryUsage(report)},
        {QStringLiteral("Remaining Available Memory"), availableMemory(report)},
        installationLine(report, QStringLiteral("Is Installed from App Store")),
    };
    return QStringLiteral("# ") + report.appName + QLatin1Char(' ') + report.versionWithBuild +
           QStringLiteral("\n\n") + lines(application) + QStringLiteral("\n\n# Device\n\n") +
           lines(deviceLines(report)) + QStringLiteral("\n\n# Settings\n\n") +
           orEmpty(lines(report.settings)) + QStringLiteral("\n\n# Custom\n\n") +
           QStringLiteral("\n\n# Logs\n\n```\n") +
           orEmpty(report.logLines.join(QLatin1Char('\n'))) + QStringLiteral("\n```");
}

QString debugMetadataText(const DebugReport& report) {
    QList<QPair<QString, QString>> entries{
        {QStringLiteral("App"), report.appName + QLatin1Char(' ') + report.versionWithBuild},
        idLine(report),
    };
    for (const auto& line : deviceLines(report)) {
        entries.append(line);
        if (line.first == QLatin1String("Primary Screen Scale")) {
            entries.append({QStringLiteral("App Memory Usage"), memoryUsage(report)});
            entries.append({QStringLiteral("Remaining Available Memory"), availableMemory(report)});
            entries.append(installationLine(report, QStringLiteral("App Store")));
        }
    }
    return lines(entries);
}

} // namespace kit
