// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#include "kit/SupportActions.h"

#include "kit/Email.h"
#include "kit/Feedback.h"
#include "kit/JXKit.h"
#include "kit/MakerContact.h"
#include "kit/OpenUrl.h"
#include "kit/QuotedText.h"
#include "platform/Pasteboard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kit {

namespace {

QString folderName(const QString& folder) {
    return QDir(folder).dirName();
}

// With nothing kept, or only through coredumpctl, there is no folder worth
// showing.
bool hasFolder(const platform::CrashReportPlace& place) {
    return place.store != platform::CrashReportStore::Nothing && !place.folder.isEmpty();
}

QString crashLogMessage(const QString& appName, const QString& programName,
                        const EmailAddress& address, const platform::CrashReportPlace& place) {
    using platform::CrashReportStore;
    switch (place.store) {
    case CrashReportStore::DiagnosticReports:
        return QCoreApplication::translate(
                   "SupportActions",
                   "Find the files that start with %1 in the %2 directory and email them to %3")
            .arg(quoted(appName), quoted(folderName(place.folder)), address.text());
    case CrashReportStore::Coredumpctl:
        return QCoreApplication::translate("SupportActions",
                                           "Find the crashes of %1 with %2 in a terminal, save the "
                                           "report of the latest with %3 and email it to %4")
            .arg(quoted(appName), quoted(QStringLiteral("coredumpctl list ") + programName),
                 quoted(QStringLiteral("coredumpctl info ") + programName), address.text());
    case CrashReportStore::Nothing:
        return QCoreApplication::translate(
                   "SupportActions",
                   "This system keeps nothing of a program that crashed: core dumps are off. "
                   "Install systemd-coredump (then use %1 after the next crash), or run %2 in a "
                   "terminal and start %3 from there; after the next crash email the files that "
                   "start with %4 in that directory to %5")
            .arg(quoted(QStringLiteral("coredumpctl list ") + programName),
                 quoted(QStringLiteral("ulimit -c unlimited")), appName,
                 quoted(QStringLiteral("core")), address.text());
    case CrashReportStore::CoreFile:
        break;
    }
    return QCoreApplication::translate("SupportActions",
                                       "Find the files that start with %1 in the folder %2 and "
                                       "email them to %3")
        .arg(quoted(QStringLiteral("core")), quoted(place.folder), address.text());
}

} // namespace

void copyDebugInfo(const JXKit& kit) {
    kit.platform().pasteboard.setContents(
        {{QString::fromLatin1(platform::PasteboardType::plainText),
          debugInfoText(gatherDebugReport(kit)).toUtf8()},
         {QString::fromLatin1(platform::PasteboardType::source), kit.identity().id().toUtf8()}});
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
    alert.message = QCoreApplication::translate("SupportActions", "How to send crash log");
    alert.informativeText = crashLogMessage(appName, programName, address, place);
    alert.style = platform::AlertStyle::Informational;
    alert.buttons = {QCoreApplication::translate("SupportActions", "OK")};
    if (!hasFolder(place))
        return alert;
    alert.buttons.prepend(place.store == platform::CrashReportStore::DiagnosticReports
                              ? QCoreApplication::translate("SupportActions", "Reveal %1 Directory")
                                    .arg(quoted(folderName(place.folder)))
                              : QCoreApplication::translate("SupportActions", "Open Folder"));
    return alert;
}

void showCrashLogInstructions(const JXKit& kit) {
    const platform::Platform platform = kit.platform();
    const platform::CrashReportPlace place = platform.crashReports.place();
    const QString program = QFileInfo(kit.identity().location()).fileName();
    const auto answer = platform.alerts.run(
        crashLogAlert(kit.identity().name(), program, supportEmailAddress(), place));
    if (!hasFolder(place) || answer.buttonIndex() != 0)
        return;
    const QString folder = QFileInfo(place.folder).canonicalFilePath();
    openUrlOrTell(platform, QUrl::fromLocalFile(folder.isEmpty() ? place.folder : folder));
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
