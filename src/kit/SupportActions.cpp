// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/SupportActions.h"

#include "kit/Email.h"
#include "kit/Feedback.h"
#include "kit/JXKit.h"
#include "kit/MakerContact.h"
#include "platform/Pasteboard.h"
#include "platform/Workspace.h"

#include <QDir>
#include <QFileInfo>

namespace kit {

namespace {

QString quoted(const QString& text) {
    return QStringLiteral("\u201C") + text + QStringLiteral("\u201D");
}

QString folderName(const QString& folder) {
    return QDir(folder).dirName();
}

QString crashLogMessage(const QString& appName, const QString& programName,
                        const EmailAddress& address, const platform::CrashReportPlace& place) {
    using platform::CrashReportStore;
    switch (place.store) {
    case CrashReportStore::DiagnosticReports:
        return QStringLiteral("Find the files that start with ") + quoted(appName) +
               QStringLiteral(" in the ") + quoted(folderName(place.folder)) +
               QStringLiteral(" directory and email them to ") + address.text();
    case CrashReportStore::Coredumpctl:
        return QStringLiteral("Find the crashes of ") + quoted(appName) + QStringLiteral(" with ") +
               quoted(QStringLiteral("coredumpctl list ") + programName) +
               QStringLiteral(" in a terminal, save the report of the latest with ") +
               quoted(QStringLiteral("coredumpctl info ") + programName) +
               QStringLiteral(" and email it to ") + address.text();
    case CrashReportStore::CoreFile:
        break;
    }
    return QStringLiteral("Find the files that start with ") + quoted(QStringLiteral("core")) +
           QStringLiteral(" in the ") + quoted(folderName(place.folder)) +
           QStringLiteral(" directory, where ") + appName +
           QStringLiteral(" was started, and email them to ") + address.text();
}

} // namespace

void copyDebugInfo(const JXKit& kit) {
    kit.platform().pasteboard.setContents(
        {{QString::fromLatin1(platform::pasteboardType::plainText),
          debugInfoText(gatherDebugReport(kit)).toUtf8()},
         {QString::fromLatin1(platform::pasteboardType::source), kit.identity().id().toUtf8()}});
}

void emailDebugInfo(const JXKit& kit) {
    sendEmail(kit.platform(), {supportEmailAddress()},
              kit.identity().name() + QStringLiteral(" \u2014 Debug info"), std::nullopt,
              {QStringLiteral("debug-info.txt"), debugInfoText(gatherDebugReport(kit))});
}

platform::Alert crashLogAlert(const QString& appName, const QString& programName,
                              const EmailAddress& address,
                              const platform::CrashReportPlace& place) {
    platform::Alert alert;
    alert.message = QStringLiteral("How to send crash log");
    alert.informativeText = crashLogMessage(appName, programName, address, place);
    alert.style = platform::AlertStyle::Informational;
    alert.buttons = {QStringLiteral("Reveal ") + quoted(folderName(place.folder)) +
                         QStringLiteral(" Directory"),
                     QStringLiteral("OK")};
    return alert;
}

void showCrashLogInstructions(const JXKit& kit) {
    const platform::Platform platform = kit.platform();
    const platform::CrashReportPlace place = platform.crashReports.place();
    const QString program = QFileInfo(kit.identity().location()).fileName();
    const auto answer = platform.alerts.run(
        crashLogAlert(kit.identity().name(), program, supportEmailAddress(), place));
    if (answer.buttonIndex() != 0)
        return;
    const QString folder = QFileInfo(place.folder).canonicalFilePath();
    platform.workspace.openUrl(QUrl::fromLocalFile(folder.isEmpty() ? place.folder : folder));
}

void openFeedbackAndQuit(JXKit& kit) {
    sendFeedback(kit);
    kit.quit(false);
}

} // namespace kit

namespace JXApp {
void copyDebugInfo() {
    kit::copyDebugInfo(JXKit::shared());
}
} // namespace JXApp
